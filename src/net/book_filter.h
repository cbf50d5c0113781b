// Narrows a search over many books to the books that can hold hits, by the indexes
// of the data set that say which surnames (of main entries), streets and headings
// each book has. A book passes when every condition of the search has a word in it:
// the surname range in the modes Normal and Exact, the street range and the heading
// range. The other conditions pass every book.
//
// Threads: reads the data set's immutable indexes only; any thread.
#pragma once

#include <vector>

#include "query/search_cursor.h"
#include "store/data_set.h"

namespace vendarion {

class BookFilter {
public:
    // cursor: a cursor of the search for any book (its word ranges do not depend on
    // the book).
    BookFilter(const DataSet& data_set, const SearchCursor& cursor);

    bool MayHold(int book) const;

private:
    const RelationIndex& streets_;
    const RelationIndex& headings_;
    ValueRange street_range_;
    ValueRange heading_range_;
    bool by_surname_ = false;
    std::vector<bool> surname_books_;  // by book number, when by_surname_
};

}  // namespace vendarion
