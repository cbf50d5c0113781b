#include "ui/general_options.h"

#include "base/setting_names.h"

namespace vendarion {

GeneralOptions ReadGeneralOptions(Settings& settings) {
    GeneralOptions options;
    options.tips_on_startup = Read(settings, setting::kTipsOnStartup) == 1;
    options.animations = Read(settings, setting::kSingleAnimation) == 0;
    return options;
}

bool StoreGeneralOptions(Settings& settings, const GeneralOptions& options) {
    (void)Write(settings, setting::kTipsOnStartup, options.tips_on_startup ? 1 : 0);
    const bool animations = Read(settings, setting::kSingleAnimation) == 0;
    if (animations == options.animations) return false;
    (void)Write(settings, setting::kSingleAnimation, options.animations ? 0 : 1);
    return true;
}

}  // namespace vendarion
