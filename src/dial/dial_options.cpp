#include "dial/dial_options.h"

#include <algorithm>

#include "base/setting_names.h"

namespace vendarion {

DialOptions ReadDialOptions(Settings& settings) {
    DialOptions options;
    options.use_tapi = Read(settings, setting::kDialUsingTAPI) != 0;
    options.own_area_code = Read(settings, setting::kDialVorwahl);
    options.outside_line = Read(settings, setting::kDialAmt);
    options.carrier = Read(settings, setting::kDialMorvanta) != 0;
    options.carrier_notice = Read(settings, setting::kMorvantaNotice) == 1;
    options.confirm = Read(settings, setting::kConfirmDial) == 1;
    options.tapi_device = Read(settings, setting::kTAPIDeviceId);
    return options;
}

bool IsDialDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

DialOptionsCheck StoreDialOptions(Settings& settings, const DialOptionsForm& form) {
    if (!IsDialDigits(form.own_area_code)) return DialOptionsCheck::kBadOwnAreaCode;
    if (!IsDialDigits(form.outside_line)) return DialOptionsCheck::kBadOutsideLine;
    Write(settings, setting::kDialVorwahl, form.own_area_code);
    Write(settings, setting::kDialAmt, form.outside_line);
    Write(settings, setting::kConfirmDial, form.confirm ? 1 : 0);
    Write(settings, setting::kDialUsingTAPI, form.use_tapi ? 1 : 0);
    Write(settings, setting::kTAPIModem, form.tapi_line_name);
    Write(settings, setting::kTAPIDeviceId, form.tapi_device);
    if (Read(settings, setting::kDialMorvanta) == 0 && form.carrier) {
        Write(settings, setting::kMorvantaNotice, 1);
    }
    Write(settings, setting::kDialMorvanta, form.carrier ? 1 : 0);
    return DialOptionsCheck::kStored;
}

}  // namespace vendarion
