// Checks and conversions of single source fields. Pure functions.
#pragma once

#include <cstdint>
#include <string_view>

namespace vendarion::mkdata {

// A non-empty run of decimal digits whose value is at most max.
[[nodiscard]] inline bool ParseNumber(std::string_view text, std::uint64_t max,
                                      std::uint64_t* out) {
    if (text.empty() || text.size() > 19) return false;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > max) return false;
    *out = value;
    return true;
}

inline bool IsDigits(std::string_view text, std::size_t count) {
    std::uint64_t ignored = 0;
    return text.size() == count && ParseNumber(text, UINT64_MAX, &ignored);
}

// "0" followed by 1 to 8 digits, the first of them not "0"; out receives the value
// without the leading zero.
[[nodiscard]] inline bool ParseAreaCode(std::string_view text, std::int32_t* out) {
    if (text.size() < 2 || text.size() > 9 || text[0] != '0' || text[1] == '0') return false;
    std::uint64_t value = 0;
    if (!ParseNumber(text.substr(1), 99999999, &value)) return false;
    *out = static_cast<std::int32_t>(value);
    return true;
}

}  // namespace vendarion::mkdata
