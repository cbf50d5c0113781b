// The lookups of the assistant's town page over the town, postal code and area code
// lists: the row a typed text finds, a row stepped to with the arrow keys, how many
// rows carry the same code, and the hint that names the town. User-interface thread
// only (the lists are that thread's readers).
#pragma once

#include <string>
#include <string_view>

#include "ui/assistant_criteria.h"

namespace vendarion {

class PlaceRows;
class RowSource;

struct PlaceMatch {
    int row = -1;      // in the list of the choice; -1 when nothing was found
    int book = -1;     // the town's book
    std::string text;  // the row's town name or code, as it is to stand in the field
    std::string town;  // the town the row names
    // Rows with the same code from this row on, in the direction of the last step
    // (postal and area codes; 1 for a town).
    int same_code = 0;
};

// The first row at or after the typed text when the text begins it (folded for
// town names, byte by byte for codes); nothing for an empty text or one that
// begins no row.
PlaceMatch FindPlace(PlaceRows& rows, TownChoice choice, std::string_view typed);
// The row itself, its codes counted in the direction of step (+1 or -1); nothing
// for a row outside the list.
PlaceMatch PlaceAt(PlaceRows& rows, TownChoice choice, int row, int step);

// The number of rows from row on, stepping by step, whose first column reads as
// that of row (at least 1 for a row inside the list, 0 outside).
int CountSameCode(RowSource& rows, int row, int step);

// The hint beside the postal or area code: the town, and how many more towns the
// arrow keys reach; empty without a town.
std::string CodeHint(TownChoice choice, const PlaceMatch& match);

}  // namespace vendarion
