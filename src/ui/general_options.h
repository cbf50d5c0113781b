// The group "Allgemein" of the options without the dialog: the tips at start-up and
// the animations. The confirmation before dialling belongs to the dial options.
#pragma once

#include "base/settings.h"

namespace vendarion {

struct GeneralOptions {
    bool tips_on_startup = true;  // TipsOnStartup == 1
    bool animations = true;       // SingleAnimation == 0
};

GeneralOptions ReadGeneralOptions(Settings& settings);
// Writes the options; true when the animation setting changed, which takes effect
// at the next start only (message 1514).
bool StoreGeneralOptions(Settings& settings, const GeneralOptions& options);

}  // namespace vendarion
