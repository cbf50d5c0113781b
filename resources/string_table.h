// The program's German texts by string id, as Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

// The text of a string id; empty when the table has no such id. The view points into
// static storage.
std::string_view LoadString(int id);

// The text with its one "%i" replaced by number (as the message texts are formatted).
std::string FormatString(int id, int number);
// The text with its one "%s" replaced by text.
std::string FormatString(int id, std::string_view text);

}  // namespace vendarion
