// Turns an address into what a line dials, under the user's location (its country
// and city code, from the settings). A canonical address "+<country> (<city>)
// <number>" is dialled as a local, long-distance or international number from the
// location; any other address is dialled as it stands. A "|" starts a part that is
// shown but not dialled. Pure functions, any thread, apart from reading settings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace vendarion {

// Longest address a line takes; a longer one is refused rather than cut, since a
// cut number would reach someone else.
inline constexpr std::size_t kMaxLineAddress = 79;

struct LineLocation {
    std::int32_t country = 49;
    std::string city_code;
};

LineLocation ReadLineLocation(Settings& settings);

struct TranslatedAddress {
    std::string dialable;
    std::string displayable;
    std::int32_t current_country = 0;
    bool canonical = false;
};

// False when the address is empty, longer than kMaxLineAddress or a canonical
// address without a country code.
[[nodiscard]] bool TranslateAddress(std::string_view address, const LineLocation& location,
                                    TranslatedAddress* out);

// The canonical form of a North American DialString ("+1 (212) 5551234"), built
// only when the location is in country 1; empty when there is none.
std::string NorthAmericanForm(std::string_view dial_string, const LineLocation& location);

}  // namespace vendarion
