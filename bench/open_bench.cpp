// Opening the data set, the resident memory it takes, and the first hit of a search
// on a cold start (archives out of the page cache). Registered first: the memory
// figures are those of a process that has read nothing else yet.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_context.h"
#include "bench_registry.h"
#include "machine.h"
#include "search_run.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

constexpr int kColdRuns = 3;

double Mib(std::int64_t kib) { return static_cast<double>(kib) / 1024.0; }

void SetMemoryCounters(benchmark::State& state, const std::string& when,
                       const ResidentMemory& memory) {
    state.counters["rss_" + when + "_mib"] = Mib(memory.total);
    state.counters["anon_" + when + "_mib"] = Mib(memory.anonymous);
    state.counters["file_" + when + "_mib"] = Mib(memory.file);
}

// Resident memory at the start, after opening and after a whole-book walk.
void MemoryBenchmark(benchmark::State& state, BenchContext* context) {
    for (auto _ : state) {
        context->Release();
        SetMemoryCounters(state, "start", ReadResidentMemory());
        const Clock::time_point start = Clock::now();
        DataSet* data = context->Data();
        if (data == nullptr) return state.SkipWithError("data set does not open");
        state.SetIterationTime(SecondsSince(start));
        SetMemoryCounters(state, "open", ReadResidentMemory());
        SearchRequest request;
        request.surname = TestSurnames()[1].text;
        SubscriberEntry entry;
        benchmark::DoNotOptimize(RunSearch(data->Books(), request, context->LargestBook(),
                                           NameMode::kNameParts, SearchEnd::kBookEnd, &entry));
        SetMemoryCounters(state, "scan", ReadResidentMemory());
    }
}

void WarmOpenBenchmark(benchmark::State& state, BenchContext* context) {
    for (auto _ : state) {
        DataSet data;
        const Clock::time_point start = Clock::now();
        const DataSetStep step = data.Open(context->Folder());
        state.SetIterationTime(SecondsSince(start));
        if (step != DataSetStep::kComplete) return state.SkipWithError("data set does not open");
    }
}

void ColdOpenBenchmark(benchmark::State& state, BenchContext* context) {
    Eviction eviction = Eviction::kFailed;
    for (auto _ : state) {
        context->Release();
        eviction = EvictArchives(context->Folder());
        DataSet data;
        const Clock::time_point start = Clock::now();
        const DataSetStep step = data.Open(context->Folder());
        state.SetIterationTime(SecondsSince(start));
        if (step != DataSetStep::kComplete) return state.SkipWithError("data set does not open");
    }
    state.SetLabel(EvictionName(eviction));
}

// The first hit of a search started right after a cold open.
void ColdFirstHitBenchmark(benchmark::State& state, BenchContext* context, NameMode mode) {
    if (context->Data() == nullptr) return state.SkipWithError("data set does not open");
    const int book = context->LargestBook();
    SearchRequest request;
    request.surname = TestSurnames()[0].text;
    Eviction eviction = Eviction::kFailed;
    for (auto _ : state) {
        context->Release();
        eviction = EvictArchives(context->Folder());
        DataSet data;
        if (data.Open(context->Folder()) != DataSetStep::kComplete) {
            return state.SkipWithError("data set does not open");
        }
        SubscriberEntry entry;
        const Clock::time_point start = Clock::now();
        const int hits = RunSearch(data.Books(), request, book, mode, SearchEnd::kFirstHit, &entry);
        state.SetIterationTime(SecondsSince(start));
        state.counters["hits"] = hits;
    }
    state.SetLabel(EvictionName(eviction));
}

}  // namespace

void RegisterOpenBenchmarks(BenchContext* context) {
    benchmark::RegisterBenchmark("Memory", MemoryBenchmark, context)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Open/Warm", WarmOpenBenchmark, context)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Open/Cold", ColdOpenBenchmark, context)
        ->UseManualTime()
        ->Iterations(kColdRuns)
        ->Repetitions(1)
        ->Unit(benchmark::kMillisecond);
    for (const ModeLabel& mode : kModes) {
        if (mode.mode != NameMode::kNormal && mode.mode != NameMode::kPhonetic &&
            mode.mode != NameMode::kNameParts) {
            continue;
        }
        benchmark::RegisterBenchmark((std::string("Cold/") + mode.label + "/common/first").c_str(),
                                     ColdFirstHitBenchmark, context, mode.mode)
            ->UseManualTime()
            ->Iterations(kColdRuns)
            ->Repetitions(1)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace vendarion::bench
