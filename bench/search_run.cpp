#include "search_run.h"

#include <algorithm>

#include "store/main_table_format.h"

namespace vendarion::bench {
namespace {

constexpr int kPerBlock = main_table_format::kRecordsPerBlock;

// Notes the blocks of the records a step from position visits (at most the budget).
void NoteStep(const MainTable& table, int position, std::vector<int>* blocks) {
    if (position < 0) return;
    const int last = std::min(position + kStepBudget, table.Count()) - 1;
    for (int k = position / kPerBlock; k <= last / kPerBlock; ++k) {
        if (blocks->empty() || blocks->back() < k) blocks->push_back(k);
    }
}

}  // namespace

SearchOutcome RunSearch(BookList& books, const SearchRequest& request, int book, NameMode mode,
                        SearchEnd end, SubscriberEntry* entry) {
    SearchCursor cursor = CreateCursor(books, request, book, mode);
    SearchOutcome outcome;
    RawRecord hit{};
    for (;;) {
        NoteStep(books.Table(), cursor.position, &outcome.blocks);
        const StepResult result = StepCursor(books, &cursor, kStepBudget, &hit);
        if (result == StepResult::kFinished) break;
        if (result == StepResult::kBudgetUsed) continue;
        books.Decoder().Decode(hit.data(), entry);
        ++outcome.hits;
        if (end == SearchEnd::kFirstHit || (end == SearchEnd::kCap && outcome.hits == kResultCap)) {
            break;
        }
    }
    if (cursor.name_words.Swept()) outcome.words = static_cast<int>(cursor.name_words.Ids().size());
    outcome.indexed = cursor.indexed.active;
    return outcome;
}

void EvictTableBlocks(BookList& books, const std::vector<int>& blocks) {
    MainTable& table = books.Table();
    int inflated = 0;
    for (int k = 0; k < table.BlockCount() && inflated < 2 * MainTable::kCachedBlocks; ++k) {
        if (std::binary_search(blocks.begin(), blocks.end(), k)) continue;
        static_cast<void>(table.Record(k * kPerBlock));
        ++inflated;
    }
}

bool InflateBlocks(BookList& books, const std::vector<int>& blocks) {
    MainTable& table = books.Table();
    for (const int k : blocks) {
        if (table.Record(k * kPerBlock).empty()) return false;
    }
    return true;
}

}  // namespace vendarion::bench
