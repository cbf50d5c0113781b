// Which books a search covers: the books named by a town, a postal code and an area
// code, each looked up in its sorted list of the data set.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/sorted_list.h"

namespace vendarion {

// The books of the records of list that match text: the records equal to it (towns
// under folding, codes byte for byte), or when there are none, the records that
// begin with it. Ascending, without repeats; empty when nothing matches or text is
// empty. Leading and trailing blanks of text are ignored.
std::vector<int> BooksOf(SortedList& list, std::string_view text);

// The books in both lists (ascending).
std::vector<int> CommonBooks(const std::vector<int>& a, const std::vector<int>& b);

}  // namespace vendarion
