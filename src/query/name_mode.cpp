#include "query/name_mode.h"

#include <array>

#include "base/ascii_text.h"

namespace vendarion {
namespace {

constexpr std::array<std::string_view, 6> kCaptions = {
    "Normal", "Exakt", "Phonetisch", "Normal, komplett", "Exakt, komplett", "Namensteile",
};

}  // namespace

bool ParseNameMode(std::string_view text, NameMode* mode) {
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        const char digit = static_cast<char>('1' + i);
        if (EqualIgnoringAsciiCase(text, kCaptions[i]) || text == std::string_view(&digit, 1)) {
            *mode = static_cast<NameMode>(i + 1);
            return true;
        }
    }
    return false;
}

}  // namespace vendarion
