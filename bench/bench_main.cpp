// Runs every benchmark on the national data set in $VENDARION_BENCH_DATA (else
// build/national); without that data set it says so and runs nothing. What depends
// on the order of the run (the memory of a process that has read nothing yet, the
// SQLite database every SQLite benchmark reads) is done before the benchmarks, so
// that these can run in any order: scripts/bench.sh interleaves their repetitions.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench_context.h"
#include "bench_registry.h"
#include "sqlite_baseline.h"

int main(int argc, char** argv) {
    using namespace vendarion::bench;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    const std::string folder = DataFolder();
    if (!ArchivesPresent(folder)) {
        std::printf(
            "skipped: no national data set in %s (set VENDARION_BENCH_DATA, or build one with "
            "scripts/national-data.sh)\n",
            folder.c_str());
        return 0;
    }
    BenchContext context(folder);
    SqliteBaseline baseline;
    RecordMemory(&context);
    const bool sqlite = PrepareSqlite(&context, &baseline);
    RegisterOpenBenchmarks(&context);
    RegisterSearchBenchmarks(&context);
    RegisterLookupBenchmarks(&context);
    RegisterDecodeBenchmarks(&context);
    if (sqlite) RegisterSqliteBenchmarks(&context, &baseline);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
