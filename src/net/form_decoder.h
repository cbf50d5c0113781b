// The server side of the request: the form body decoded back into the search.
#pragma once

#include <string>
#include <string_view>

#include "net/internet_request.h"

namespace vendarion {

// Undoes the form encoding of one value: "%XX" (either letter case) becomes the
// byte, "+" a blank, every other byte stays. False on a "%" not followed by two
// hexadecimal digits.
[[nodiscard]] bool FormDecode(std::string_view value, std::string* out);

// Decodes a body of "key=value" pairs joined by "&" into *request. What the body
// does not give stays empty, false or 0 (clients leave out the numbers that are 0,
// so a missing v or n reads as 0). Unknown keys and empty pairs are ignored; a key
// given twice keeps its last value. False when a value is badly encoded, a number
// (n, p, v) is not a whole decimal number or a pair has no "=".
[[nodiscard]] bool DecodeForm(std::string_view body, InternetRequest* request);

}  // namespace vendarion
