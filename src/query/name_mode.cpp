#include "query/name_mode.h"

#include <array>

namespace vendarion {
namespace {

constexpr std::array<std::string_view, 6> kCaptions = {
    "Normal", "Exakt", "Phonetisch", "Normal, komplett", "Exakt, komplett", "Namensteile",
};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

}  // namespace

bool ParseNameMode(std::string_view text, NameMode* mode) {
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        const char digit = static_cast<char>('1' + i);
        if (EqualIgnoringCase(text, kCaptions[i]) || text == std::string_view(&digit, 1)) {
            *mode = static_cast<NameMode>(i + 1);
            return true;
        }
    }
    return false;
}

}  // namespace vendarion
