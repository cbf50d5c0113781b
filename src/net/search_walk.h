// The directory search of one Internet query over its books, counted hit by hit, that
// can stop after any hit and go on later: the walk a page ends with is where the next
// page of the same query starts, so paging through a query searches it once.
//
// A page asks for the hits [first, end) of the query and lets the walk count on to a
// limit (PageWindow). Hits counted past the end of the page are kept, as raw records,
// for the next page. A walk can serve a page only when it has not yet passed the
// page's first hit (CanServe); otherwise the page starts from a new walk.
//
// Work: every request has a work cap, a number of record visits and an amount of
// processor time. A walk that reaches it stops and the request fails, so no request,
// however crafted, holds a server thread for longer than the cap. The time is the
// thread's processor time rather than the clock's, so that a busy machine does not
// fail requests that an idle one answers.
//
// Threads: a walk holds no reader; it is used by one thread at a time, with that
// thread's book list, and may be handed to another thread between requests.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "net/book_filter.h"
#include "query/search_cursor.h"
#include "store/subscriber_entry.h"

namespace vendarion {

// Which hits a page wants and where the walk may stop.
struct PageWindow {
    std::int64_t first = 0;  // the first hit of the page
    std::int64_t end = 0;    // one past its last hit
    std::int64_t limit = 0;  // the walk stops after this many hits
};

// The work one request may do, from its construction on the thread that does it.
// Visits are counted as the budgets handed to the cursor, an upper bound of the
// records read.
class WorkCap {
public:
    WorkCap(std::int64_t max_visits, std::chrono::nanoseconds max_time)
        : visits_left_(max_visits), deadline_(ThreadTime() + max_time) {}
    // Takes a budget of visits; false when the cap is reached.
    [[nodiscard]] bool Take(int visits);

private:
    // The processor time of the calling thread.
    static std::chrono::nanoseconds ThreadTime();

    std::int64_t visits_left_;
    std::chrono::nanoseconds deadline_;
};

struct SearchWalk {
    std::size_t book_index = 0;  // into the query's book numbers
    bool cursor_open = false;    // cursor is the one of book_numbers[book_index]
    bool finished = false;       // every book has been searched
    SearchCursor cursor;
    std::int64_t hits = 0;        // hits counted so far
    std::deque<RawRecord> ahead;  // the last hits counted, not yet served

    // The number of the first hit still held.
    std::int64_t AheadFirst() const { return hits - static_cast<std::int64_t>(ahead.size()); }
    bool CanServe(const PageWindow& window) const { return AheadFirst() <= window.first; }
    // Whether a later page can use the walk.
    bool HasMore() const { return !finished || !ahead.empty(); }
    // The memory the walk holds, for the bounds of a cache.
    std::size_t Bytes() const;
};

// The query that walks go over. Holds references: everything must outlive it.
class PageWalker {
public:
    PageWalker(BookList& books, const BookFilter& filter, const SearchRequest& search,
               NameMode mode, const std::vector<int>& book_numbers)
        : books_(books),
          filter_(filter),
          search_(search),
          mode_(mode),
          book_numbers_(book_numbers) {}

    // Appends the page's hits to *page, walking on to the window's limit (walk must
    // CanServe the window). Returns the total to report, the hits counted up to the
    // limit, or -1 when the cap was reached (the walk is then unusable).
    std::int64_t Serve(const PageWindow& window, WorkCap* cap, SearchWalk* walk,
                       std::vector<SubscriberEntry>* page);

private:
    enum class Next { kHit, kFinished, kOverCap };
    Next NextHit(WorkCap* cap, SearchWalk* walk, RawRecord* raw);

    BookList& books_;
    const BookFilter& filter_;
    const SearchRequest& search_;
    NameMode mode_;
    const std::vector<int>& book_numbers_;
};

}  // namespace vendarion
