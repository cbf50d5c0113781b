// Conversion between Windows-1252, the encoding of every text in the data, the
// stores and the exports, and UTF-8, the encoding of the terminal and of files meant
// for people. Used only at the edges of the program.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

// Every Windows-1252 byte has a UTF-8 form (the five unassigned bytes keep their C1
// code points, so the conversion round-trips).
std::string Cp1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 byte become '?', and so does every byte of
// malformed UTF-8. Returns false when anything was replaced.
bool Utf8ToCp1252(std::string_view text, std::string* out);
std::string Utf8ToCp1252(std::string_view text);

// Appends the UTF-8 form of a code point (at most 0x10FFFF).
void AppendUtf8(char32_t cp, std::string* out);
// Decodes one UTF-8 sequence at text[*pos] (*pos < text.size()); returns -1 (and
// advances one byte) when the sequence is malformed, overlong or a surrogate.
long DecodeUtf8(std::string_view text, std::size_t* pos);

}  // namespace vendarion
