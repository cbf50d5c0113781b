// The count text of the status line for the lists whose rows are not a search
// result (the searchable lists take theirs from the search control).
#pragma once

#include <string>

#include "search/list_type.h"

namespace vendarion {

struct ListCounts {
    int rows = 0;
    bool town_filter = false;  // the town list shows only the towns of a surname
    int marked_towns = 0;      // books of an active multi-town search; 0 when none
    bool store_exists = true;  // the phone book or note store of lists 16 and 17
};

std::string ListCountText(ListType type, const ListCounts& counts);

// Lists whose count text names the number of marked rows when two or more are.
bool CountsMarkedRows(ListType type);

}  // namespace vendarion
