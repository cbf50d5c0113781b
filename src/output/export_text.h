// The export text of subscriber entries in one of the nine formats: one 8-bit text
// (Windows-1252, or code page 850 for the DOS formats) built in memory, with a row
// of column titles first, then one row per entry. Pure functions, any thread.
//
// Field values cannot break their format: inside quoted fields a double quote is
// doubled, in HTML the characters & < > " become entities, in RTF backslash and
// braces are escaped.
#pragma once

#include <span>
#include <string>

#include "store/subscriber_entry.h"

namespace vendarion {

// 0 and the whole text in *out; -1 with *out emptied when the format index is not
// one of the nine.
[[nodiscard]] int BuildExportText(std::span<const SubscriberEntry> entries, int format_index,
                                  std::string* out);

}  // namespace vendarion
