// The benchmark groups, registered by the main program in the order they run.
#pragma once

namespace vendarion::bench {

class BenchContext;
class SqliteBaseline;

// Records the resident memory before and after opening the data set and after a
// whole-book walk in the run's context. Called first, while nothing is mapped.
void RecordMemory(BenchContext* context);
// Opening, warm and cold.
void RegisterOpenBenchmarks(BenchContext* context);
void RegisterSearchBenchmarks(BenchContext* context);
void RegisterLookupBenchmarks(BenchContext* context);
void RegisterDecodeBenchmarks(BenchContext* context);
// Builds the SQLite database of the same data (or opens the one of an earlier run
// when $VENDARION_BENCH_REUSE_DB is 1) and records its figures in the run's context;
// false when there is none.
bool PrepareSqlite(BenchContext* context, SqliteBaseline* baseline);
// The same searches on the SQLite database.
void RegisterSqliteBenchmarks(BenchContext* context, SqliteBaseline* baseline);

}  // namespace vendarion::bench
