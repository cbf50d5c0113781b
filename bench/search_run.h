// One directory search over one book, run the way the search worker runs it: a
// cursor, steps of ten record visits, every hit decoded into a SubscriberEntry.
#pragma once

#include "query/search_cursor.h"
#include "store/book_list.h"
#include "store/subscriber_entry.h"

namespace vendarion::bench {

// The search worker's budget of record visits per step.
inline constexpr int kStepBudget = 10;
// The result list's cap.
inline constexpr int kResultCap = 1000;

enum class SearchEnd {
    kFirstHit,  // stop at the first hit
    kCap,       // stop at the cap or when the book is done
    kBookEnd,   // walk on to the end of the book, whatever the hits
};

// Returns the number of hits; the last one decoded is in *entry.
int RunSearch(BookList& books, const SearchRequest& request, int book, NameMode mode, SearchEnd end,
              SubscriberEntry* entry);

// Inflates the block that holds record n, so that the next search starts with
// another block in the table's buffer, as a new search after browsing would.
void UnsettleTable(BookList& books, int n);

}  // namespace vendarion::bench
