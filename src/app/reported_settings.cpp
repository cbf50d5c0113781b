#include "app/reported_settings.h"

#include <string>

#include "resources/string_table.h"

namespace vendarion {
namespace {

constexpr int kSettingsNotSaved = 1346;

}  // namespace

bool ReportedSettings::Reported(bool written) {
    if (written || reported_) return written;
    reported_ = true;
    messages_.Show({kSettingsNotSaved, std::string(LoadString(kSettingsNotSaved)),
                    MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk});
    return written;
}

}  // namespace vendarion
