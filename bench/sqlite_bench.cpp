// The SQLite baseline: builds the database of the whole data set in this run, then
// answers the searches of search_bench.cpp with LIMIT 1000. Normal is a range on the
// folded surname, Exakt equality on it, Phonetisch equality with any of the code's
// candidate surnames (the same list our search walks), Namensteile LIKE '%text%'
// (which, like our mode, ignores the case of A-Z only). The komplett modes are the
// same queries as Normal and Exakt: every row carries its own surname.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "bench_context.h"
#include "bench_registry.h"
#include "machine.h"
#include "search_run.h"
#include "sqlite_baseline.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

struct SqliteQuery {
    std::string sql;
    std::vector<std::string> texts;  // bound to ?2, ?3, ...
};

std::string SelectWhere(const std::string& condition) {
    return std::string("SELECT ") + kSqliteColumnList + " FROM entries WHERE book = ?1 AND " +
           condition + " LIMIT " + std::to_string(kResultCap);
}

// The folded candidate surnames of the surname's phonetic code, each once.
std::vector<std::string> PhoneticCandidates(BookList& books, const std::string& surname) {
    PhoneticIds ids;
    if (books.Phonetic().Find(surname, &ids) != 0) return {};
    std::set<std::string> folded;
    for (int i = 0; i < ids.Count(); ++i)
        folded.insert(FoldedUtf8(books.Surnames().Word(ids.At(i) - 1)));
    return {folded.begin(), folded.end()};
}

SqliteQuery QueryFor(BookList& books, NameMode mode, const std::string& surname) {
    const std::string folded = FoldedUtf8(surname);
    switch (mode) {
        case NameMode::kNormal:
        case NameMode::kNormalComplete:
            return {SelectWhere("surname_folded >= ?2 AND surname_folded < ?3"),
                    {folded, PrefixEnd(folded)}};
        case NameMode::kExact:
        case NameMode::kExactComplete:
            return {SelectWhere("surname_folded = ?2"), {folded}};
        case NameMode::kPhonetic: {
            SqliteQuery query;
            query.texts = PhoneticCandidates(books, surname);
            std::string list;
            for (std::size_t i = 0; i < query.texts.size(); ++i) {
                list += (i == 0 ? "?" : ", ?") + std::to_string(i + 2);
            }
            query.sql = SelectWhere("surname_folded IN (" + list + ")");
            return query;
        }
        case NameMode::kNameParts:
            break;
    }
    return {SelectWhere("surname LIKE ?2"), {"%" + Cp1252ToUtf8(surname) + "%"}};
}

std::string DatabasePath() {
    const char* path = std::getenv("VENDARION_BENCH_DB");
    return path != nullptr && *path != '\0' ? path : "build/bench/national.sqlite";
}

void BuildBenchmark(benchmark::State& state, BenchContext* context, SqliteBaseline* baseline) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    const std::string path = DatabasePath();
    const char* reuse = std::getenv("VENDARION_BENCH_REUSE_DB");
    const bool reused = reuse != nullptr && std::string(reuse) == "1" && baseline->Open(path);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        if (!reused && !baseline->Build(data->Books(), path)) {
            return state.SkipWithError(baseline->Error().c_str());
        }
        state.SetIterationTime(SecondsSince(start));
    }
    if (reused) state.SetLabel("database of an earlier run reused: no build time");
    const double database = static_cast<double>(FileSize(path));
    const double archives = static_cast<double>(context->ArchiveBytes());
    state.counters["rows"] = static_cast<double>(baseline->Rows());
    state.counters["sqlite_mib"] = database / (1 << 20);
    state.counters["archives_mib"] = archives / (1 << 20);
    state.counters["size_ratio"] = database / archives;
}

// How a query finds the connection's page cache.
enum class PageCache {
    kWarm,   // as the same query left it
    kEmpty,  // emptied before each query: pages come from the operating system
};

void QueryBenchmark(benchmark::State& state, BenchContext* context, SqliteBaseline* baseline,
                    NameMode mode, const std::string& surname, SearchEnd end, PageCache cache) {
    DataSet* data = context->Data();
    if (data == nullptr || baseline->Handle() == nullptr) {
        return state.SkipWithError("no SQLite database");
    }
    const SqliteQuery query = QueryFor(data->Books(), mode, surname);
    SqliteStatement statement;
    if (!statement.Prepare(baseline->Handle(), query.sql)) {
        return state.SkipWithError(sqlite3_errmsg(baseline->Handle()));
    }
    std::array<std::string, kSqliteColumns> row;
    int hits = 0;
    for (auto _ : state) {
        if (cache == PageCache::kEmpty) baseline->ReleaseCache();
        const Clock::time_point start = Clock::now();
        statement.Reset();
        statement.BindInt(1, context->LargestBook());
        for (std::size_t i = 0; i < query.texts.size(); ++i) {
            statement.BindText(static_cast<int>(i) + 2, query.texts[i]);
        }
        hits = 0;
        while (statement.Step()) {
            for (int column = 0; column < kSqliteColumns; ++column) {
                row[static_cast<std::size_t>(column)].assign(statement.Text(column));
            }
            ++hits;
            if (end == SearchEnd::kFirstHit) break;
        }
        state.SetIterationTime(SecondsSince(start));
    }
    benchmark::DoNotOptimize(row);
    state.counters["hits"] = hits;
}

}  // namespace

void RegisterSqliteBenchmarks(BenchContext* context, SqliteBaseline* baseline) {
    benchmark::RegisterBenchmark("Sqlite/Build", BuildBenchmark, context, baseline)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1)
        ->Unit(benchmark::kSecond);
    for (const TestSurname& name : TestSurnames()) {
        for (const ModeLabel& mode : kModes) {
            for (const SearchEnd end : {SearchEnd::kFirstHit, SearchEnd::kCap}) {
                const std::string suffix = std::string(mode.label) + "/" + name.label +
                                           (end == SearchEnd::kFirstHit ? "/first" : "/last");
                benchmark::RegisterBenchmark(("Sqlite/" + suffix).c_str(), QueryBenchmark, context,
                                             baseline, mode.mode, name.text, end, PageCache::kWarm)
                    ->UseManualTime()
                    ->Unit(benchmark::kMicrosecond);
                if (!IsPositioned(mode.mode)) continue;
                benchmark::RegisterBenchmark(("SqliteFresh/" + suffix).c_str(), QueryBenchmark,
                                             context, baseline, mode.mode, name.text, end,
                                             PageCache::kEmpty)
                    ->UseManualTime()
                    ->Iterations(kFreshIterations)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

}  // namespace vendarion::bench
