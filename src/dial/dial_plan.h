// Composing what is dialled from an entry's area code and number and the dial
// options: the digits for the dialler (DialString) and the text shown in the
// confirmation (DisplayNumber). Pure functions, any thread.
//
// Tone dialling drops the area code of a local call (own area code equal to the
// entry's) and puts the carrier prefix before every other area code when the carrier
// option is on; TAPI dialling leaves both to the line's address translation. The
// outside-line prefix comes first in both modes.
#pragma once

#include <string>
#include <string_view>

#include "dial/dial_options.h"

namespace vendarion {

// Outside-line prefix, carrier prefix, area code and number, joined without
// separators. Characters inside the number pass through unchanged.
std::string DialString(std::string_view area_code, std::string_view number,
                       const DialOptions& options);
// The same parts with one blank between each non-empty part.
std::string DisplayNumber(std::string_view area_code, std::string_view number,
                          const DialOptions& options);

namespace dial_message {
inline constexpr int kNoNumber = 1317;  // exclamation icon
inline constexpr int kConfirm = 1501;   // question, Yes/No, argument: DisplayNumber
}  // namespace dial_message

enum class DialTarget {
    kNothing,  // TAPI chosen but no line: nothing is dialled, silently
    kTapi,
    kTones,
};

// The steps of the dial command between reading the row and dialling.
struct DialPlan {
    std::string dial_string;
    std::string display_number;
    bool show_carrier_notice = false;  // ask with the carrier notice first
    bool confirm = false;              // ask message 1501 with display_number
    DialTarget target = DialTarget::kNothing;
    std::int32_t tapi_device = 0;
};

// False when the area code or the number is empty (message 1317). Both are the
// row's cells with blanks trimmed.
[[nodiscard]] bool PlanDial(std::string_view area_code, std::string_view number,
                            const DialOptions& options, DialPlan* plan);

// The carrier notice's result code: 2 (Abbrechen) refuses dialling; 7 (OK with
// "Hinweis nicht mehr zeigen" ticked) confirms and stores that the notice is not
// shown again; any other code confirms. True when dialling goes on.
bool AcceptCarrierNotice(Settings& settings, int result_code);

}  // namespace vendarion
