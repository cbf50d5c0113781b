// Searches in the largest book: the first and the last hit of every mode for a
// common, a rare and a missing surname; whole-book walks of the modes that visit
// every record, against the floor of inflating the book's blocks alone.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_context.h"
#include "bench_registry.h"
#include "search_run.h"
#include "store/main_table_format.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

void SearchBenchmark(benchmark::State& state, BenchContext* context, NameMode mode,
                     const std::string& surname, SearchEnd end) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    BookList& books = data->Books();
    SearchRequest request;
    request.surname = surname;
    SubscriberEntry entry;
    int hits = 0;
    for (auto _ : state) {
        UnsettleTable(books, 0);
        const Clock::time_point start = Clock::now();
        hits = RunSearch(books, request, context->LargestBook(), mode, end, &entry);
        state.SetIterationTime(SecondsSince(start));
    }
    state.counters["hits"] = hits;
}

// The same search in a book list opened just before it: nothing inflated or decoded
// yet, only the operating system's page cache is warm.
void FreshSearchBenchmark(benchmark::State& state, BenchContext* context, NameMode mode,
                          const std::string& surname, SearchEnd end) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    SearchRequest request;
    request.surname = surname;
    SubscriberEntry entry;
    int hits = 0;
    for (auto _ : state) {
        BookList books;
        if (!data->OpenBookList(&books)) return state.SkipWithError("book list does not open");
        const Clock::time_point start = Clock::now();
        hits = RunSearch(books, request, context->LargestBook(), mode, end, &entry);
        state.SetIterationTime(SecondsSince(start));
    }
    state.counters["hits"] = hits;
}

// The floor of a whole-book walk: inflating every block that holds the book's records.
void InflateBookBenchmark(benchmark::State& state, BenchContext* context) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    MainTable& table = data->Books().Table();
    const int per_block = main_table_format::kRecordsPerBlock;
    const int first_block = context->FirstRecord() / per_block;
    const int last_block = (context->EndRecord() - 1) / per_block;
    for (auto _ : state) {
        UnsettleTable(data->Books(), 0);
        const Clock::time_point start = Clock::now();
        for (int k = first_block; k <= last_block; ++k) {
            if (table.Record(k * per_block).empty()) state.SkipWithError("block does not inflate");
        }
        state.SetIterationTime(SecondsSince(start));
    }
    state.counters["blocks"] = last_block - first_block + 1;
    state.counters["records"] = context->EndRecord() - context->FirstRecord();
}

}  // namespace

void RegisterSearchBenchmarks(BenchContext* context) {
    for (const TestSurname& name : TestSurnames()) {
        for (const ModeLabel& mode : kModes) {
            for (const SearchEnd end : {SearchEnd::kFirstHit, SearchEnd::kCap}) {
                const std::string suffix = std::string(mode.label) + "/" + name.label +
                                           (end == SearchEnd::kFirstHit ? "/first" : "/last");
                benchmark::RegisterBenchmark(("Search/" + suffix).c_str(), SearchBenchmark, context,
                                             mode.mode, name.text, end)
                    ->UseManualTime()
                    ->Unit(benchmark::kMicrosecond);
                if (!IsPositioned(mode.mode)) continue;
                benchmark::RegisterBenchmark(("SearchFresh/" + suffix).c_str(),
                                             FreshSearchBenchmark, context, mode.mode, name.text,
                                             end)
                    ->UseManualTime()
                    ->Iterations(kFreshIterations)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
    benchmark::RegisterBenchmark("Scan/Inflate", InflateBookBenchmark, context)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    const std::string rare = TestSurnames()[1].text;
    for (const ModeLabel& mode : kModes) {
        if (mode.mode != NameMode::kNormalComplete && mode.mode != NameMode::kExactComplete &&
            mode.mode != NameMode::kNameParts) {
            continue;
        }
        benchmark::RegisterBenchmark((std::string("Scan/") + mode.label).c_str(), SearchBenchmark,
                                     context, mode.mode, rare, SearchEnd::kBookEnd)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace vendarion::bench
