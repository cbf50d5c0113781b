// The directory search that the worker runs for event 0: the names of one book, or
// of several books merged into one list.
#pragma once

#include "query/name_mode.h"
#include "query/search_cursor.h"
#include "search/town_set.h"

namespace vendarion {

class BookList;
class SearchWorker;

// What the user-interface thread hands to the worker for one directory search.
struct DirectorySearch {
    SearchRequest request;  // the four typed texts, Windows-1252
    NameMode mode = NameMode::kNormal;
    int book = -1;  // the town's book when the town set is not active
    TownSet towns;  // active: the books to search one after the other
};

// Records visited per StepCursor call between the checks for cancellation.
inline constexpr int kSearchStepBudget = 10;

// Worker thread. Walks the book (or each book of an active town set, with a new
// cursor per book from the same texts and mode) while the search runs, decodes each
// hit with the book list's decoder and adds its line: at the end of the list for one
// book, merged by folded name for several. A refused line ends the search. Books is
// the worker's own book list.
void RunDirectorySearch(SearchWorker& worker, BookList& books, DirectorySearch search);

}  // namespace vendarion
