// The rows of the result list as text: the fields of a row joined by the byte 0x01.
//
// Directory and Internet hits (from a SubscriberEntry), eleven fields:
//   0 name (a sub-entry of level L > 1 is indented by 2 * (L - 1) blanks)
//   1 first name   2 heading   3 street, two blanks, house number   4 area code
//   5 phone number (directory hits: followed by two blanks and "(call addition)"
//     when there is one)   6 postal code   7 town   8 display name
//   9 call addition, always followed by 0x01   10 level when above 0, else empty
// so a main entry's line ends with 0x01 and a sub-entry's line with its level.
// Bank code hits: code, name, postal code, town. Foreign code hits: country, code.
#pragma once

#include <string>
#include <string_view>

#include "store/subscriber_entry.h"

namespace vendarion {

inline constexpr char kFieldSeparator = '\x01';

enum class HitSource {
    kDirectory,  // the phone number field carries the call addition
    kInternet,   // the phone number field is the plain number
};

std::string SubscriberResultLine(const SubscriberEntry& entry, HitSource source);
std::string BankResultLine(std::string_view code, std::string_view name,
                           std::string_view postal_code, std::string_view town);
std::string CountryResultLine(std::string_view country, std::string_view code);

// Field n of a line (the text between the n-th and the (n+1)-th separator); empty
// when the line has fewer fields. The view points into line.
std::string_view ResultField(std::string_view line, int n);

// A main entry's line ends with the separator.
inline bool IsMainEntryLine(std::string_view line) {
    return !line.empty() && line.back() == kFieldSeparator;
}

// Street and house number as one cell: "street  number".
std::string StreetCell(std::string_view street, std::string_view house_number);
// The phone cell of a directory row: "number  (call addition)" or the number alone.
std::string PhoneCell(std::string_view phone, std::string_view call_addition);
// The name cell of a row: the name indented by 2 * (level - 1) blanks for level 2+.
std::string NameCell(std::string_view name, int level);

// Cell `column` (0-10) of a row shown from an entry (a whole-book row, a store row):
// the fields of a directory hit's line. Empty for other columns.
std::string EntryCellText(const SubscriberEntry& entry, int column);

}  // namespace vendarion
