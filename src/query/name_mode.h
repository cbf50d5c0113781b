// The six ways of matching a typed surname, chosen in the name field's pop-up menu.
#pragma once

#include <string_view>

namespace vendarion {

enum class NameMode : int {
    kNormal = 1,          // surnames that begin with the text
    kExact = 2,           // surnames equal to the text (folded)
    kPhonetic = 3,        // surnames with the text's phonetic code
    kNormalComplete = 4,  // as kNormal, and sub-entries anywhere in the book
    kExactComplete = 5,   // as kExact, and sub-entries anywhere in the book
    kNameParts = 6,       // surnames containing the text, A-Z without case
};

// The caption of a mode in the name field is string kNameModeCaptionBase + mode.
inline constexpr int kNameModeCaptionBase = 2400;

// The mode of a number 1-6 or of its caption ("Normal", "Exakt", "Phonetisch",
// "Normal, komplett", "Exakt, komplett", "Namensteile"; UTF-8, letter case ignored);
// false when the text names no mode.
[[nodiscard]] bool ParseNameMode(std::string_view text, NameMode* mode);

}  // namespace vendarion
