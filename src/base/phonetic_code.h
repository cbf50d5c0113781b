// The phonetic code of a German surname: a short run of capital letters built by
// fixed pronunciation rules, so that names that sound alike share a code ("Meier"
// and "Mayer" both give "MR"). Bytes are Windows-1252. Pure functions, any thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vendarion {

// Lookups compare codes on this many leading letters.
inline constexpr std::size_t kPhoneticCodeLength = 5;

// Writes the code of text into out (capacity bytes including the terminating zero;
// a longer code is cut) and returns its length. The first keep characters are copied
// upper-cased and uncoded. Texts of any length are coded whole; allocates nothing.
std::size_t PhoneticCode(std::string_view text, std::size_t keep, char* out, std::size_t capacity);
std::string PhoneticCode(std::string_view text, std::size_t keep = 0);

}  // namespace vendarion
