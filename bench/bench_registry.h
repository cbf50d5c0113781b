// The benchmark groups, registered by the main program in the order they run.
#pragma once

namespace vendarion::bench {

class BenchContext;
class SqliteBaseline;

// Resident memory and opening; the cold first hit. Run first, while nothing is mapped.
void RegisterOpenBenchmarks(BenchContext* context);
void RegisterSearchBenchmarks(BenchContext* context);
void RegisterLookupBenchmarks(BenchContext* context);
void RegisterDecodeBenchmarks(BenchContext* context);
// Builds the SQLite database of the same data and runs the same searches on it.
void RegisterSqliteBenchmarks(BenchContext* context, SqliteBaseline* baseline);

}  // namespace vendarion::bench
