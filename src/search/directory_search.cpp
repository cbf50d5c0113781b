#include "search/directory_search.h"

#include "search/result_line.h"
#include "search/search_worker.h"
#include "store/book_list.h"

namespace vendarion {
namespace {

// Adds the hits of one book until its cursor is finished; false when the search
// ends inside the book (cancelled, or a line was refused).
bool SearchBook(SearchWorker& worker, BookList& books, SearchCursor& cursor,
                ResultList::Placement placement) {
    RawRecord record{};
    SubscriberEntry entry;
    while (worker.Running()) {
        switch (StepCursor(books, &cursor, kSearchStepBudget, &record)) {
            case StepResult::kBudgetUsed:
                break;
            case StepResult::kFinished:
                return true;
            case StepResult::kHit:
                books.Decoder().Decode(record.data(), &entry);
                if (!worker.AddLine(SubscriberResultLine(entry, HitSource::kDirectory),
                                    placement)) {
                    return false;
                }
                break;
        }
    }
    return false;
}

}  // namespace

void RunDirectorySearch(SearchWorker& worker, BookList& books, DirectorySearch search) {
    const bool merge = search.towns.Active();
    const ResultList::Placement placement =
        merge ? ResultList::Placement::kMerge : ResultList::Placement::kAppend;
    search.towns.Rewind();
    int index = 0;
    NamePartWords words;
    for (int book = merge ? search.towns.NextBook() : search.book; book >= 0;
         book = merge ? search.towns.NextBook() : -1) {
        if (merge) worker.SetBookIndex(++index);
        SearchCursor cursor = CreateCursor(books, search.request, book, search.mode, &words);
        const bool searched = SearchBook(worker, books, cursor, placement);
        words = std::move(cursor.name_words);  // the next book's cursor takes them over
        if (!searched) break;
    }
    worker.Stop();
}

}  // namespace vendarion
