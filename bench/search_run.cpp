#include "search_run.h"

namespace vendarion::bench {

int RunSearch(BookList& books, const SearchRequest& request, int book, NameMode mode, SearchEnd end,
              SubscriberEntry* entry) {
    SearchCursor cursor = CreateCursor(books, request, book, mode);
    RawRecord hit{};
    int hits = 0;
    for (;;) {
        const StepResult result = StepCursor(books, &cursor, kStepBudget, &hit);
        if (result == StepResult::kFinished) break;
        if (result == StepResult::kBudgetUsed) continue;
        books.Decoder().Decode(hit.data(), entry);
        ++hits;
        if (end == SearchEnd::kFirstHit || (end == SearchEnd::kCap && hits == kResultCap)) break;
    }
    return hits;
}

void UnsettleTable(BookList& books, int n) { static_cast<void>(books.Table().Record(n)); }

}  // namespace vendarion::bench
