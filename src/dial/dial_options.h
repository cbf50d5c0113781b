// The dial options of the settings store and the rules of the options dialog's
// "Wählen" group, without the dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace vendarion {

// The call-by-call carrier prefix dialled before long-distance numbers.
inline constexpr std::string_view kCarrierPrefix = "01090";

struct DialOptions {
    bool use_tapi = false;         // DialUsingTAPI
    std::string own_area_code;     // DialVorwahl
    std::string outside_line;      // DialAmt
    bool carrier = true;           // DialMorvanta
    bool carrier_notice = true;    // MorvantaNotice == 1
    bool confirm = true;           // ConfirmDial == 1
    std::int32_t tapi_device = 0;  // TAPIDeviceId, 0 = no line chosen
};

// The options as stored, each with its default.
DialOptions ReadDialOptions(Settings& settings);

// What the options dialog hands over on "OK".
struct DialOptionsForm {
    std::string own_area_code;
    std::string outside_line;
    bool confirm = true;
    bool use_tapi = false;
    std::string tapi_line_name;
    std::int32_t tapi_device = 0;
    bool carrier = true;
};

enum class DialOptionsCheck {
    kStored,
    kBadOwnAreaCode,  // message 1321, focus to the own area code
    kBadOutsideLine,  // message 1321, focus to the outside-line prefix
};

// True when every character is a digit 0-9 (an empty text is allowed).
bool IsDialDigits(std::string_view text);

// Checks the two digit fields and, when both are valid, writes every option of the
// form. Switching the carrier option on makes the carrier notice show again.
DialOptionsCheck StoreDialOptions(Settings& settings, const DialOptionsForm& form);

}  // namespace vendarion
