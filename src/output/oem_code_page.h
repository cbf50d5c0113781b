// The OEM (DOS) code page of the DOS export formats: code page 850.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

// Windows-1252 text in code page 850. Bytes below 0x80 stay; characters that code
// page 850 lacks take their closest plain form (Š as S, curly quotes as straight
// ones, dashes as '-'), or '?' when there is none (€, Œ, œ, •, unassigned bytes).
std::string Cp1252ToCp850(std::string_view text);

// Code page 850 text as UTF-8: every byte is a character (the box-drawing and block
// bytes included), so nothing is lost.
std::string Cp850ToUtf8(std::string_view text);

}  // namespace vendarion
