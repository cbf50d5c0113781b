// The SQLite baseline: builds the database of the whole data set in this run, then
// answers the searches of search_bench.cpp with LIMIT 1000, in the same three cache
// states. Every query's condition is on columns of the index (book, folded surname,
// first name), so that SQLite filters in the index and looks up only the rows it
// returns: Normal is a range on the folded surname, Exakt equality on it, Phonetisch
// equality with any of the code's candidate surnames (the same list our search
// walks), Namensteile LIKE '%text%' on the folded surname (a condition on the
// surname column itself would make SQLite look up every row of the book). The
// komplett modes are the same queries as Normal and Exakt: every row carries its own
// surname. Each benchmark's label is SQLite's plan for its query.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

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
    std::string pattern = "%";
    for (const char c : folded) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return {SelectWhere("surname_folded LIKE ?2 ESCAPE '\\'"), {pattern + "%"}};
}

// SQLite's plan for a query, its steps joined by "; ".
std::string QueryPlan(sqlite3* db, const std::string& sql) {
    SqliteStatement plan;
    if (!plan.Prepare(db, "EXPLAIN QUERY PLAN " + sql)) return sqlite3_errmsg(db);
    std::string steps;
    while (plan.Step()) steps += (steps.empty() ? "" : "; ") + std::string(plan.Text(3));
    return steps;
}

std::string DatabasePath() {
    const char* path = std::getenv("VENDARION_BENCH_DB");
    return path != nullptr && *path != '\0' ? path : "build/bench/national.sqlite";
}

// Runs the query once; the number of rows, each row's texts copied out.
int RunQuery(SqliteStatement* statement, const SqliteQuery& query, int book, SearchEnd end,
             std::array<std::string, kSqliteColumns>* row) {
    statement->Reset();
    statement->BindInt(1, book);
    for (std::size_t i = 0; i < query.texts.size(); ++i) {
        statement->BindText(static_cast<int>(i) + 2, query.texts[i]);
    }
    int hits = 0;
    while (statement->Step()) {
        for (int column = 0; column < kSqliteColumns; ++column) {
            (*row)[static_cast<std::size_t>(column)].assign(statement->Text(column));
        }
        ++hits;
        if (end == SearchEnd::kFirstHit) break;
    }
    return hits;
}

void QueryBenchmark(benchmark::State& state, BenchContext* context, SqliteBaseline* baseline,
                    NameMode mode, const std::string& surname, SearchEnd end, CacheState cache) {
    DataSet* data = context->Data();
    if (data == nullptr || baseline->Handle() == nullptr) {
        return state.SkipWithError("no SQLite database");
    }
    const int book = context->LargestBook();
    const SqliteQuery query = QueryFor(data->Books(), mode, surname);
    const std::string path = DatabasePath();
    std::array<std::string, kSqliteColumns> row;
    int hits = 0;
    auto statement = std::make_unique<SqliteStatement>();
    if (!statement->Prepare(baseline->Handle(), query.sql)) {
        return state.SkipWithError(sqlite3_errmsg(baseline->Handle()));
    }
    if (cache == CacheState::kCached) hits = RunQuery(statement.get(), query, book, end, &row);
    for (auto _ : state) {
        if (cache == CacheState::kEvicted) baseline->ReleaseCache();
        if (cache == CacheState::kCold) {
            statement.reset();
            baseline->Close();
            if (!EvictFile(path) || !baseline->Open(path)) {
                return state.SkipWithError("cannot evict or open the database");
            }
            statement = std::make_unique<SqliteStatement>();
            if (!statement->Prepare(baseline->Handle(), query.sql)) {
                return state.SkipWithError(sqlite3_errmsg(baseline->Handle()));
            }
        }
        const Clock::time_point start = Clock::now();
        hits = RunQuery(statement.get(), query, book, end, &row);
        state.SetIterationTime(SecondsSince(start));
    }
    benchmark::DoNotOptimize(row);
    state.counters["hits"] = hits;
    state.SetLabel(QueryPlan(baseline->Handle(), query.sql));
}

}  // namespace

bool PrepareSqlite(BenchContext* context, SqliteBaseline* baseline) {
    DataSet* data = context->Data();
    if (data == nullptr) return false;
    const std::string path = DatabasePath();
    const char* reuse = std::getenv("VENDARION_BENCH_REUSE_DB");
    const bool reused = reuse != nullptr && std::string(reuse) == "1" && baseline->Open(path);
    const Clock::time_point start = Clock::now();
    if (!reused && !baseline->Build(data->Books(), path)) {
        std::fprintf(stderr, "SQLite database: %s\n", baseline->Error().c_str());
        return false;
    }
    benchmark::AddCustomContext("sqlite_build_s",
                                reused ? "reused" : std::to_string(SecondsSince(start)));
    benchmark::AddCustomContext("sqlite_rows", std::to_string(baseline->Rows()));
    benchmark::AddCustomContext("sqlite_mib", std::to_string(FileSize(path) / (1 << 20)));
    benchmark::AddCustomContext("archives_mib",
                                std::to_string(context->ArchiveBytes() / (1 << 20)));
    return true;
}

void RegisterSqliteBenchmarks(BenchContext* context, SqliteBaseline* baseline) {
    for (const CacheLabel& cache : kCacheStates) {
        for (const TestSurname& name : TestSurnames()) {
            for (const ModeLabel& mode : kModes) {
                for (const SearchEnd end : {SearchEnd::kFirstHit, SearchEnd::kCap}) {
                    const std::string name_of = std::string("Sqlite/") + cache.label + "/" +
                                                mode.label + "/" + name.label +
                                                (end == SearchEnd::kFirstHit ? "/first" : "/last");
                    auto* benchmark = benchmark::RegisterBenchmark(name_of.c_str(), QueryBenchmark,
                                                                   context, baseline, mode.mode,
                                                                   name.text, end, cache.state)
                                          ->UseManualTime()
                                          ->Unit(benchmark::kMicrosecond);
                    SetRunLength(benchmark, cache.state);
                }
            }
        }
    }
}

}  // namespace vendarion::bench
