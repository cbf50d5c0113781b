// One directory search over one book, run the way the search worker runs it: a
// cursor, steps of ten record visits, every hit decoded into a SubscriberEntry;
// and what a search finds in the table's block cache before it starts.
#pragma once

#include <vector>

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

struct SearchOutcome {
    int hits = 0;
    // The table blocks that the search's steps visited records of, ascending.
    std::vector<int> blocks;
    // Namensteile: the surname words that contain the text once all are decided (else
    // -1), and whether the search went on by the index of sub-entry surnames.
    int words = -1;
    bool indexed = false;
};

// The last hit decoded is in *entry.
SearchOutcome RunSearch(BookList& books, const SearchRequest& request, int book, NameMode mode,
                        SearchEnd end, SubscriberEntry* entry);

// Inflates more blocks than the table keeps, none of them one of blocks (ascending),
// so that a search of them finds none inflated: the state after browsing elsewhere.
void EvictTableBlocks(BookList& books, const std::vector<int>& blocks);

// Inflates the blocks, the floor of a search that visits them; false when one does
// not inflate.
bool InflateBlocks(BookList& books, const std::vector<int>& blocks);

}  // namespace vendarion::bench
