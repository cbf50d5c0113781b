// What the benchmarks of one run share: the national data set (opened once, released
// for the cold measurements), the largest book, and the surnames searched in it.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "query/name_mode.h"
#include "store/data_set.h"

namespace vendarion::bench {

// The data folder: $VENDARION_BENCH_DATA, else build/national.
std::string DataFolder();
// Whether the four archives are present in folder.
bool ArchivesPresent(const std::string& folder);

// A surname searched in every mode; text is Windows-1252.
struct TestSurname {
    std::string label;  // "common", "rare", "none"
    std::string text;
};
// A surname with many entries in the largest book, one with two, one with none.
std::vector<TestSurname> TestSurnames();

// The six modes with labels fit for benchmark names.
struct ModeLabel {
    NameMode mode;
    const char* label;
};
inline constexpr ModeLabel kModes[] = {
    {NameMode::kNormal, "Normal"},
    {NameMode::kExact, "Exakt"},
    {NameMode::kPhonetic, "Phonetisch"},
    {NameMode::kNormalComplete, "NormalKomplett"},
    {NameMode::kExactComplete, "ExaktKomplett"},
    {NameMode::kNameParts, "Namensteile"},
};

// Modes that position on the surname rather than walk the whole book.
inline bool IsPositioned(NameMode mode) {
    return mode == NameMode::kNormal || mode == NameMode::kExact || mode == NameMode::kPhonetic;
}

// Where a search finds the data it reads.
enum class CacheState {
    kCached,   // the same search just ran: its blocks (its pages) are in the engine's cache
    kEvicted,  // the engine's cache holds other data; the operating system's page cache
               // holds the files
    kCold,     // the files evicted from the page cache, the data set opened afresh
};
struct CacheLabel {
    CacheState state;
    const char* label;
};
inline constexpr CacheLabel kCacheStates[] = {
    {CacheState::kCached, "Cached"},
    {CacheState::kEvicted, "Evicted"},
    {CacheState::kCold, "Cold"},
};

// Minimum time of a repetition of the warm benchmarks: the repetitions, interleaved
// with those of every other benchmark, give the spread.
inline constexpr double kWarmMinTime = 0.05;
// Iterations of a repetition with the blocks evicted: each iteration first inflates
// other blocks to push the search's out of the table's cache (milliseconds, outside
// the timed part), so a minimum of timed work took hundreds of them and the whole
// run over two hours.
inline constexpr int kEvictedIterations = 20;

// How long each repetition of a search benchmark in the cache state runs.
inline void SetRunLength(benchmark::internal::Benchmark* benchmark, CacheState cache) {
    switch (cache) {
        case CacheState::kCached:
            benchmark->MinTime(kWarmMinTime);
            break;
        case CacheState::kEvicted:
            benchmark->Iterations(kEvictedIterations);
            break;
        case CacheState::kCold:
            benchmark->Iterations(1);
            break;
    }
}

// One thread: the benchmarks run one after the other.
class BenchContext {
public:
    explicit BenchContext(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }
    // The shared data set, opened on first use; null when it does not open.
    DataSet* Data();
    // Closes the shared data set, so that no page of the archives stays mapped.
    void Release() { data_.reset(); }

    // The book with the most entries and its records [FirstRecord, EndRecord) of
    // the subscriber table; valid once Data() succeeded.
    int LargestBook() const { return book_; }
    int FirstRecord() const { return first_record_; }
    int EndRecord() const { return end_record_; }

    // Total size of the four archive files.
    std::int64_t ArchiveBytes() const;

private:
    std::string folder_;
    std::unique_ptr<DataSet> data_;
    int book_ = -1;
    int first_record_ = 0;
    int end_record_ = 0;
};

}  // namespace vendarion::bench
