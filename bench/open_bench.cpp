// Opening the data set, warm (the archives in the page cache) and cold (evicted
// from it), with the processor time that opening costs every process.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

#include "bench_context.h"
#include "bench_registry.h"
#include "machine.h"
#include "search_run.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

double ProcessCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Mib(std::int64_t kib) { return static_cast<double>(kib) / 1024.0; }

void AddMemory(const std::string& when, const ResidentMemory& memory) {
    benchmark::AddCustomContext("rss_" + when + "_mib", std::to_string(Mib(memory.total)));
    benchmark::AddCustomContext("anon_" + when + "_mib", std::to_string(Mib(memory.anonymous)));
    benchmark::AddCustomContext("file_" + when + "_mib", std::to_string(Mib(memory.file)));
}

void OpenBenchmark(benchmark::State& state, BenchContext* context, bool cold) {
    double cpu = 0;
    for (auto _ : state) {
        context->Release();
        if (cold && !EvictArchives(context->Folder())) return state.SkipWithError("cannot evict");
        DataSet data;
        const double cpu_start = ProcessCpuSeconds();
        const Clock::time_point start = Clock::now();
        const DataSetStep step = data.Open(context->Folder());
        state.SetIterationTime(SecondsSince(start));
        cpu += ProcessCpuSeconds() - cpu_start;
        if (step != DataSetStep::kComplete) return state.SkipWithError("data set does not open");
    }
    state.counters["cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}

}  // namespace

void RecordMemory(BenchContext* context) {
    context->Release();
    AddMemory("start", ReadResidentMemory());
    DataSet* data = context->Data();
    if (data == nullptr) return;
    AddMemory("open", ReadResidentMemory());
    SearchRequest request;
    request.surname = TestSurnames()[1].text;
    SubscriberEntry entry;
    benchmark::DoNotOptimize(RunSearch(data->Books(), request, context->LargestBook(),
                                       NameMode::kNameParts, SearchEnd::kBookEnd, &entry));
    AddMemory("scan", ReadResidentMemory());
}

void RegisterOpenBenchmarks(BenchContext* context) {
    benchmark::RegisterBenchmark("Open/Warm", OpenBenchmark, context, false)
        ->UseManualTime()
        ->MinTime(kWarmMinTime)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Open/Cold", OpenBenchmark, context, true)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace vendarion::bench
