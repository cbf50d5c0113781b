// The options that the two name-search commands (search, internet) share: the four
// texts of the name-search fields, the name mode, and how a typed town is told apart
// from a postal code or an area code.
#pragma once

#include <string_view>

#include "query/name_mode.h"
#include "query/search_cursor.h"

namespace vendarion::query_tool {

// Takes --name, --first-name, --street or --heading (typed UTF-8, stored
// Windows-1252) into texts, or --mode into mode. 0 when taken, -1 when the option is
// none of these, else the usage exit code (messages start with command).
int TakeNameSearchOption(std::string_view command, std::string_view option, std::string_view value,
                         SearchRequest* texts, NameMode* mode);

// A place as typed: a leading zero makes an area code, another digit a postal code,
// anything else a town name.
enum class PlaceKind { kTown, kPostalCode, kAreaCode };
PlaceKind PlaceKindOf(std::string_view text);

}  // namespace vendarion::query_tool
