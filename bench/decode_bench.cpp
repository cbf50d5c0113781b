// Decoding one raw subscriber record of the largest book into a SubscriberEntry:
// records in table order (as a search's hits and the whole-book list come) and
// records from anywhere in the book (every dictionary word looked up far away).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench_context.h"
#include "bench_registry.h"

namespace vendarion::bench {
namespace {

constexpr int kRecords = 1 << 16;

enum class Order { kTable, kRandom };

std::vector<RawRecord> CollectRecords(BenchContext& context, Order order) {
    MainTable& table = context.Data()->Books().Table();
    const int first = context.FirstRecord();
    const int count = context.EndRecord() - first;
    std::mt19937 random(7);
    std::vector<RawRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        const int n =
            order == Order::kTable ? first + i % count : first + static_cast<int>(random() % count);
        if (table.ReadOne(n, &records[static_cast<std::size_t>(i)]) != 0) return {};
    }
    return records;
}

void DecodeBenchmark(benchmark::State& state, BenchContext* context, Order order) {
    if (context->Data() == nullptr) return state.SkipWithError("data set does not open");
    const std::vector<RawRecord> records = CollectRecords(*context, order);
    if (records.empty()) return state.SkipWithError("a block does not inflate");
    EntryDecoder& decoder = context->Data()->Books().Decoder();
    SubscriberEntry entry;
    std::size_t i = 0;
    for (auto _ : state) {
        decoder.Decode(records[i].data(), &entry);
        benchmark::DoNotOptimize(entry);
        i = (i + 1) % records.size();
    }
}

}  // namespace

void RegisterDecodeBenchmarks(BenchContext* context) {
    benchmark::RegisterBenchmark("Decode/TableOrder", DecodeBenchmark, context, Order::kTable)
        ->MinTime(kWarmMinTime)
        ->Unit(benchmark::kNanosecond);
    benchmark::RegisterBenchmark("Decode/Random", DecodeBenchmark, context, Order::kRandom)
        ->MinTime(kWarmMinTime)
        ->Unit(benchmark::kNanosecond);
}

}  // namespace vendarion::bench
