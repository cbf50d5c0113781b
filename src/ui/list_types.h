// What each list type fixes besides its rows: the string of its title and
// columns, the settings key of its column widths, the enabled input fields, the
// selection mode and whether the detail card shows its rows.
#pragma once

#include <string_view>

#include "search/list_type.h"
#include "ui/input_field.h"

namespace vendarion {

inline constexpr int kListTypeCount = 18;

struct ListTypeInfo {
    int spec;              // string id: title, then the columns
    std::string_view key;  // settings value of the column widths; empty for none
    int inputs;            // enabled input fields, FieldBit of each
    bool several_rows;     // several rows may be selected
    bool shows_card;       // the detail card shows the focused row
    bool has_list;         // false for "Suchen" and the town node: no list shown
};

const ListTypeInfo& InfoOf(ListType type);

// The list types 9-13 of the search over the Internet.
bool IsInternetMode(ListType type);
// The subscriber lists: rows are entries with eleven columns (3, 9, 16, 17).
bool IsEntryList(ListType type);
// The lists whose rows the search control provides (names of a town, Internet,
// foreign and bank codes).
bool IsSearchList(ListType type);
// Whether the first name may be typed (names of a town and the Internet search).
bool AllowsFirstName(ListType type);
// The field whose text positions the list and that takes the focus; the town field
// for lists without one of their own (the caller checks InfoOf(type).inputs).
InputField MainField(ListType type);

}  // namespace vendarion
