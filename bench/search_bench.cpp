// Searches in the largest book: the first and the last hit of every mode for a
// common, a rare and a missing surname, in the three cache states; whole-book walks
// of the modes that visit every record. Where blocks are inflated (evicted, cold)
// each iteration also measures the floor: inflating the same blocks alone, in the
// same state, right after the search.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_context.h"
#include "bench_registry.h"
#include "machine.h"
#include "search_run.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

struct SearchCase {
    NameMode mode;
    std::string surname;
    SearchEnd end;
};

void SetCounters(benchmark::State& state, const SearchOutcome& outcome, double floor_seconds) {
    state.counters["hits"] = outcome.hits;
    state.counters["blocks"] = static_cast<double>(outcome.blocks.size());
    if (outcome.words >= 0) state.counters["words"] = outcome.words;
    state.counters["indexed"] = outcome.indexed ? 1 : 0;
    if (floor_seconds > 0) {
        state.counters["floor_us"] =
            benchmark::Counter(floor_seconds * 1e6 / static_cast<double>(state.iterations()));
    }
}

void CachedSearch(benchmark::State& state, BenchContext* context, const SearchCase& search) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    SearchRequest request;
    request.surname = search.surname;
    SubscriberEntry entry;
    SearchOutcome outcome =
        RunSearch(data->Books(), request, context->LargestBook(), search.mode, search.end, &entry);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        outcome = RunSearch(data->Books(), request, context->LargestBook(), search.mode, search.end,
                            &entry);
        state.SetIterationTime(SecondsSince(start));
    }
    SetCounters(state, outcome, 0);
}

void EvictedSearch(benchmark::State& state, BenchContext* context, const SearchCase& search) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    BookList& books = data->Books();
    SearchRequest request;
    request.surname = search.surname;
    SubscriberEntry entry;
    SearchOutcome outcome =
        RunSearch(books, request, context->LargestBook(), search.mode, search.end, &entry);
    double floor = 0;
    for (auto _ : state) {
        EvictTableBlocks(books, outcome.blocks);
        Clock::time_point start = Clock::now();
        outcome =
            RunSearch(books, request, context->LargestBook(), search.mode, search.end, &entry);
        state.SetIterationTime(SecondsSince(start));
        EvictTableBlocks(books, outcome.blocks);
        start = Clock::now();
        if (!InflateBlocks(books, outcome.blocks))
            return state.SkipWithError("block does not inflate");
        floor += SecondsSince(start);
    }
    SetCounters(state, outcome, floor);
}

// A data set opened on archives just evicted from the page cache.
bool OpenCold(BenchContext* context, DataSet* data) {
    context->Release();
    data->Close();
    return EvictArchives(context->Folder()) &&
           data->Open(context->Folder()) == DataSetStep::kComplete;
}

void ColdSearch(benchmark::State& state, BenchContext* context, const SearchCase& search) {
    if (context->Data() == nullptr) return state.SkipWithError("data set does not open");
    const int book = context->LargestBook();
    SearchRequest request;
    request.surname = search.surname;
    SubscriberEntry entry;
    SearchOutcome outcome;
    double floor = 0;
    for (auto _ : state) {
        DataSet data;
        if (!OpenCold(context, &data)) return state.SkipWithError("cannot evict or open");
        Clock::time_point start = Clock::now();
        outcome = RunSearch(data.Books(), request, book, search.mode, search.end, &entry);
        state.SetIterationTime(SecondsSince(start));
        if (!OpenCold(context, &data)) return state.SkipWithError("cannot evict or open");
        start = Clock::now();
        if (!InflateBlocks(data.Books(), outcome.blocks))
            return state.SkipWithError("block does not inflate");
        floor += SecondsSince(start);
    }
    SetCounters(state, outcome, floor);
}

void Register(const std::string& name, CacheState cache, BenchContext* context,
              const SearchCase& search) {
    benchmark::internal::Benchmark* benchmark = nullptr;
    switch (cache) {
        case CacheState::kCached:
            benchmark = benchmark::RegisterBenchmark(name.c_str(), CachedSearch, context, search);
            break;
        case CacheState::kEvicted:
            benchmark = benchmark::RegisterBenchmark(name.c_str(), EvictedSearch, context, search);
            break;
        case CacheState::kCold:
            benchmark = benchmark::RegisterBenchmark(name.c_str(), ColdSearch, context, search);
            break;
    }
    benchmark->UseManualTime()->Unit(benchmark::kMicrosecond);
    SetRunLength(benchmark, cache);
}

}  // namespace

void RegisterSearchBenchmarks(BenchContext* context) {
    for (const CacheLabel& cache : kCacheStates) {
        for (const TestSurname& name : TestSurnames()) {
            for (const ModeLabel& mode : kModes) {
                for (const SearchEnd end : {SearchEnd::kFirstHit, SearchEnd::kCap}) {
                    const std::string name_of = std::string("Search/") + cache.label + "/" +
                                                mode.label + "/" + name.label +
                                                (end == SearchEnd::kFirstHit ? "/first" : "/last");
                    Register(name_of, cache.state, context, {mode.mode, name.text, end});
                }
            }
        }
    }
    // Walks to the end of the book, whatever the hits, with the book's blocks evicted.
    const std::string rare = TestSurnames()[1].text;
    for (const ModeLabel& mode : kModes) {
        if (mode.mode != NameMode::kNormalComplete && mode.mode != NameMode::kExactComplete &&
            mode.mode != NameMode::kNameParts) {
            continue;
        }
        Register(std::string("Scan/") + mode.label, CacheState::kEvicted, context,
                 {mode.mode, rare, SearchEnd::kBookEnd});
    }
    // Namensteile for texts that ever more surnames contain (about 1,500 to 160,000 of
    // the national set's 1.34 million), to the list's cap and to the end of the book:
    // where the sweep and the index pay, and where the walk is cheaper.
    for (const char* text : {"ix", "ow", "ski", "ott", "ob", "ach", "y", "hau", "ber", "mann"}) {
        for (const SearchEnd end : {SearchEnd::kCap, SearchEnd::kBookEnd}) {
            Register(std::string("Turn/") + text + (end == SearchEnd::kCap ? "/last" : "/end"),
                     CacheState::kCached, context, {NameMode::kNameParts, text, end});
        }
    }
}

}  // namespace vendarion::bench
