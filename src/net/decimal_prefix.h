// Numbers in reply texts are read as the C library's atoi reads them.
#pragma once

#include <cstdint>
#include <string_view>

namespace vendarion {

// Leading blanks (space, tab, line breaks), an optional sign, then the digits up to
// the first other byte; 0 when there are none. Saturates at the int32 range instead
// of overflowing.
inline std::int32_t DecimalPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) value = INT64_C(1) + INT32_MAX;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}

}  // namespace vendarion
