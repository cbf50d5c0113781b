#include "net/search_walk.h"

#include <time.h>

#include <algorithm>

#include "store/book_list.h"
#include "store/entry_decoder.h"

namespace vendarion {
namespace {

// Visits per call of StepCursor, and per check of the work cap.
constexpr int kStepBudget = 256;

}  // namespace

bool WorkCap::Take(int visits) {
    if (visits_left_ < visits || ThreadTime() >= deadline_) return false;
    visits_left_ -= visits;
    return true;
}

std::chrono::nanoseconds WorkCap::ThreadTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

std::size_t SearchWalk::Bytes() const {
    return sizeof(SearchWalk) + ahead.size() * sizeof(RawRecord) + cursor.name_words.Bytes() +
           cursor.indexed.Bytes();
}

std::int64_t PageWalker::Serve(const PageWindow& window, WorkCap* cap, SearchWalk* walk,
                               std::vector<SubscriberEntry>* page) {
    EntryDecoder& decoder = books_.Decoder();
    while (!walk->ahead.empty() && walk->AheadFirst() < window.end) {
        if (walk->AheadFirst() >= window.first) {
            decoder.Decode(walk->ahead.front().data(), &page->emplace_back());
        }
        walk->ahead.pop_front();
    }
    RawRecord raw{};
    while (walk->hits < window.limit && !walk->finished) {
        const Next next = NextHit(cap, walk, &raw);
        if (next == Next::kOverCap) return -1;
        if (next == Next::kFinished) {
            walk->finished = true;
            break;
        }
        const std::int64_t hit = walk->hits++;
        if (hit >= window.end) {
            walk->ahead.push_back(raw);
        } else if (hit >= window.first) {
            decoder.Decode(raw.data(), &page->emplace_back());
        }
    }
    return std::min(walk->hits, window.limit);
}

PageWalker::Next PageWalker::NextHit(WorkCap* cap, SearchWalk* walk, RawRecord* raw) {
    for (;;) {
        if (!walk->cursor_open) {
            while (walk->book_index < book_numbers_.size() &&
                   !filter_.MayHold(book_numbers_[walk->book_index])) {
                ++walk->book_index;
            }
            if (walk->book_index >= book_numbers_.size()) return Next::kFinished;
            SearchCursor next = CreateCursor(books_, search_, book_numbers_[walk->book_index],
                                             mode_, &walk->cursor.name_words);
            walk->cursor = std::move(next);
            walk->cursor_open = true;
        }
        if (!cap->Take(kStepBudget)) return Next::kOverCap;
        const StepResult step = StepCursor(books_, &walk->cursor, kStepBudget, raw);
        if (step == StepResult::kHit) return Next::kHit;
        if (step == StepResult::kFinished) {
            walk->cursor_open = false;
            ++walk->book_index;
        }
    }
}

}  // namespace vendarion
