// Lookups as one keystroke in an input field makes them: the lower bound of the typed
// prefix in the town, postal-code and area-code lists and in the surname dictionary,
// and the record or word that completes it. Many different prefixes in a shuffled
// order; the median and the 99th percentile of single lookups.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bench_context.h"
#include "bench_registry.h"
#include "timing.h"

namespace vendarion::bench {
namespace {

// About this many texts are cut into prefixes.
constexpr int kSampledTexts = 1500;
// Prefixes keep at most this many characters.
constexpr std::size_t kMaxPrefix = 10;

// Every prefix of the texts, each once, in a fixed shuffled order.
std::vector<std::string> Prefixes(const std::vector<std::string>& texts) {
    std::set<std::string> distinct;
    for (const std::string& text : texts) {
        for (std::size_t length = 1; length <= std::min(text.size(), kMaxPrefix); ++length) {
            distinct.insert(text.substr(0, length));
        }
    }
    std::vector<std::string> prefixes(distinct.begin(), distinct.end());
    std::shuffle(prefixes.begin(), prefixes.end(), std::mt19937(20240501));
    return prefixes;
}

std::vector<std::string> ListTexts(SortedList& list) {
    std::vector<std::string> texts;
    const int step = std::max(1, list.Count() / kSampledTexts);
    for (int r = 0; r < list.Count(); r += step) {
        texts.emplace_back(list.Parse(list.Record(r)).first);
    }
    return texts;
}

std::vector<std::string> DictionaryTexts(FieldDictionary& dictionary) {
    std::vector<std::string> texts;
    const int step = std::max(1, dictionary.Count() / kSampledTexts);
    for (int n = 0; n < dictionary.Count(); n += step) texts.emplace_back(dictionary.Word(n));
    return texts;
}

double Percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) return 0;
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at),
                     samples.end());
    return samples[at];
}

// Times lookup(prefix) for every prefix in every iteration, one sample each.
template <typename Lookup>
void TimeLookups(benchmark::State& state, const std::vector<std::string>& prefixes, Lookup lookup) {
    std::vector<double> samples;
    samples.reserve(prefixes.size() * 8);
    for (auto _ : state) {
        double total = 0;
        for (const std::string& prefix : prefixes) {
            const Clock::time_point start = Clock::now();
            lookup(prefix);
            const double seconds = SecondsSince(start);
            samples.push_back(seconds);
            total += seconds;
        }
        state.SetIterationTime(total / static_cast<double>(prefixes.size()));
    }
    state.counters["prefixes"] = static_cast<double>(prefixes.size());
    state.counters["p50_us"] = Percentile(samples, 0.5) * 1e6;
    state.counters["p99_us"] = Percentile(samples, 0.99) * 1e6;
    state.counters["max_us"] = *std::max_element(samples.begin(), samples.end()) * 1e6;
}

void ListBenchmark(benchmark::State& state, BenchContext* context,
                   SortedList& (DataSet::*list_of)()) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    SortedList& list = (data->*list_of)();
    const std::vector<std::string> prefixes = Prefixes(ListTexts(list));
    TimeLookups(state, prefixes, [&list](const std::string& prefix) {
        const int r = list.FindPrefix(prefix);
        if (r >= 0) benchmark::DoNotOptimize(list.Parse(list.Record(r)));
    });
}

// The completion of a typed surname: its lower bound and that word.
void SurnameCompletionBenchmark(benchmark::State& state, BenchContext* context) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    FieldDictionary& names = data->Names();
    const std::vector<std::string> prefixes = Prefixes(DictionaryTexts(names));
    TimeLookups(state, prefixes, [&names](const std::string& prefix) {
        const int n = names.LowerBound(prefix);
        if (n >= 0) benchmark::DoNotOptimize(names.Word(n));
    });
}

// The word range of a typed surname prefix, as a Normal search begins with it.
void SurnameRangeBenchmark(benchmark::State& state, BenchContext* context) {
    DataSet* data = context->Data();
    if (data == nullptr) return state.SkipWithError("data set does not open");
    FieldDictionary& names = data->Names();
    const std::vector<std::string> prefixes = Prefixes(DictionaryTexts(names));
    TimeLookups(state, prefixes, [&names](const std::string& prefix) {
        int low = 0;
        int high = 0;
        benchmark::DoNotOptimize(names.PrefixRange(prefix, &low, &high));
    });
}

}  // namespace

void RegisterLookupBenchmarks(BenchContext* context) {
    benchmark::RegisterBenchmark("Keystroke/Town", ListBenchmark, context, &DataSet::Towns)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Keystroke/PostalCode", ListBenchmark, context,
                                 &DataSet::PostalCodes)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Keystroke/AreaCode", ListBenchmark, context, &DataSet::AreaCodes)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Keystroke/Surname", SurnameCompletionBenchmark, context)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Keystroke/SurnameRange", SurnameRangeBenchmark, context)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace vendarion::bench
