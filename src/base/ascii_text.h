// Small text helpers that treat only the ASCII letters A-Z and the blank specially,
// for Windows-1252 texts where every other byte must stay as it is.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

inline char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text with A-Z turned into a-z.
inline std::string LowerAsciiText(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = LowerAscii(c);
    return lowered;
}

// Where text, with A-Z turned into a-z, first contains lowered (a text already
// lowered) at or after position from; npos when it does not.
inline std::size_t LoweredFind(std::string_view text, std::string_view lowered,
                               std::size_t from = 0) {
    for (std::size_t i = from; i + lowered.size() <= text.size(); ++i) {
        std::size_t j = 0;
        while (j < lowered.size() && LowerAscii(text[i + j]) == lowered[j]) ++j;
        if (j == lowered.size()) return i;
    }
    return std::string_view::npos;
}

// Whether text, with A-Z turned into a-z, contains lowered (a text already lowered).
inline bool LoweredContains(std::string_view text, std::string_view lowered) {
    return LoweredFind(text, lowered) != std::string_view::npos;
}

// Equal when A-Z and a-z are taken as the same.
inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

// The text without blanks at either end.
inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text without the blanks it ends with.
inline std::string_view TrimTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

}  // namespace vendarion
