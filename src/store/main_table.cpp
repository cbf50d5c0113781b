#include "store/main_table.h"

#include <cstring>

#include "store/archive_file.h"
#include "store/block_inflater.h"
#include "store/entry_decoder.h"

namespace vendarion {
namespace {

using namespace main_table_format;

constexpr std::size_t kBlockBytes = kRecordsPerBlock * kRecordSize;

TableKey RecordKey(const std::uint8_t* record) {
    return {LoadU16(record + kBook), LoadU24BigEndian(record + kSurname),
            LoadU24BigEndian(record + kFirstName)};
}

}  // namespace

bool MainTable::Open(ByteView data, ByteView index) {
    Close();
    std::uint32_t count = 0;
    std::uint32_t blocks = 0;
    std::int16_t fan_out = 0;
    if (data.data() == nullptr || !index.U32(kRecordCount, &count) ||
        !index.U32(kBlockCount, &blocks) || !index.I16(kFanOut, &fan_out) || fan_out < 1 ||
        count > static_cast<std::uint32_t>(INT32_MAX) ||
        blocks != (static_cast<std::uint64_t>(count) + kRecordsPerBlock - 1) / kRecordsPerBlock) {
        return false;
    }
    const std::uint32_t l1 = blocks / fan_out;
    const std::uint32_t l2 = l1 / fan_out;
    const std::uint32_t l3 = l2 / fan_out;
    const std::uint64_t entries = static_cast<std::uint64_t>(l3) + l2 + l1 + blocks;
    const ByteView all = index.Sub(kHeaderSize, entries * kEntrySize);
    if (all.data() == nullptr) return false;
    entries_ = all.data();
    level1_ = static_cast<int>(l1);
    level2_ = static_cast<int>(l2);
    level3_ = static_cast<int>(l3);
    blocks_ = static_cast<int>(blocks);
    // Each block's offset and length are checked where the block is loaded; the
    // index levels are read ahead for the first descent.
    PrefetchBytes(all);
    data_ = data;
    count_ = static_cast<int>(count);
    fan_out_ = fan_out;
    buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(kCachedBlocks * kBlockBytes);
    open_ = true;
    return true;
}

void MainTable::Close() {
    open_ = false;
    data_ = {};
    entries_ = nullptr;
    count_ = blocks_ = level1_ = level2_ = level3_ = 0;
    fan_out_ = 1;
    cached_block_ = -1;
    current_ = nullptr;
    slots_.fill({});
    use_clock_ = 0;
    buffer_.reset();
}

const std::uint8_t* MainTable::Entry(std::int64_t i) const { return entries_ + i * kEntrySize; }

TableKey MainTable::KeyAt(const std::uint8_t* entry) const {
    return {LoadI32(entry), LoadI32(entry + 4), LoadI32(entry + 8)};
}

TableKey MainTable::LeafKey(int k) const {
    return KeyAt(Entry(static_cast<std::int64_t>(level3_) + level2_ + level1_ + k));
}

int MainTable::RecordsInBlock(int k) const {
    return k == blocks_ - 1 ? count_ - k * kRecordsPerBlock : kRecordsPerBlock;
}

void MainTable::UseSlot(int slot) {
    CacheSlot& used = slots_[static_cast<std::size_t>(slot)];
    used.last_use = ++use_clock_;
    cached_block_ = used.block;
    current_ = buffer_.get() + static_cast<std::size_t>(slot) * kBlockBytes;
}

bool MainTable::LoadBlock(int k) {
    if (k == cached_block_) return true;
    if (k < 0 || k >= blocks_) return false;
    // The current block has the latest use, so it is never the victim.
    int victim = 0;
    for (int slot = 0; slot < kCachedBlocks; ++slot) {
        const CacheSlot& candidate = slots_[static_cast<std::size_t>(slot)];
        if (candidate.block == k) {
            UseSlot(slot);
            return true;
        }
        if (candidate.last_use < slots_[static_cast<std::size_t>(victim)].last_use) victim = slot;
    }
    CacheSlot& target = slots_[static_cast<std::size_t>(victim)];
    target = {};
    const std::int32_t offset =
        LoadI32(Entry(static_cast<std::int64_t>(level3_) + level2_ + level1_ + k) + kEntryOffset);
    if (offset < 0 || !data_.Contains(offset, kLengthSize)) return false;
    const std::uint32_t length = LoadU32(data_.data() + offset);
    const ByteView source = data_.Sub(static_cast<std::uint64_t>(offset) + kLengthSize, length);
    const std::size_t expected = static_cast<std::size_t>(RecordsInBlock(k)) * kRecordSize;
    std::uint8_t* destination = buffer_.get() + static_cast<std::size_t>(victim) * kBlockBytes;
    if (!InflateBlock(source, destination, kBlockBytes, expected)) return false;
    target.block = k;
    UseSlot(victim);
    return true;
}

int MainTable::CountNotGreater(std::int64_t level_start, int level_size, int pos,
                               const TableKey& key) const {
    int count = 0;
    while (pos + count < level_size && KeyAt(Entry(level_start + pos + count)) <= key) ++count;
    return count;
}

// Upper levels narrow the leaf range by counting keys <= the search key; the leaf
// walk then stops before the first greater key, or on the first of a run of equal
// keys when that run starts where the walk started.
int MainTable::DescendIndex(const TableKey& key) const {
    const std::int64_t level2_start = level3_;
    const std::int64_t level1_start = level2_start + level2_;
    const std::int64_t leaf_start = level1_start + level1_;
    int pos = 0;
    if (level3_ > 0) pos = CountNotGreater(0, level3_, 0, key) * fan_out_;
    if (level2_ > 0) pos = (pos + CountNotGreater(level2_start, level2_, pos, key)) * fan_out_;
    if (level1_ > 0) pos = (pos + CountNotGreater(level1_start, level1_, pos, key)) * fan_out_;
    int j = pos;
    while (j < blocks_ && key > KeyAt(Entry(leaf_start + j))) ++j;
    if (j == blocks_) return blocks_ - 1;
    if (KeyAt(Entry(leaf_start + j)) > key) return j - 1;
    if (j > pos) return j;
    while (j > 0 && KeyAt(Entry(leaf_start + j - 1)) == key) --j;
    return j;
}

int MainTable::Find(int book, int surname, int first_name) {
    if (!open_) return -1;
    const TableKey key{book, static_cast<std::int64_t>(surname) + 1,
                       static_cast<std::int64_t>(first_name) + 1};
    int k = DescendIndex(key);
    if (k < 0) k = 0;
    // Main entries with the key may also end the block before a leaf that carries
    // the key, so the scan starts one block earlier there.
    if (k > 0 && k < blocks_ && LeafKey(k) == key) --k;
    for (; k < blocks_; ++k) {
        if (!LoadBlock(k)) return -1;
        const int records = RecordsInBlock(k);
        for (int i = 0; i < records; ++i) {
            const std::uint8_t* record = current_ + static_cast<std::size_t>(i) * kRecordSize;
            if ((record[kFlags] & kLevelMask) != 0) continue;
            if (RecordKey(record) >= key) return k * kRecordsPerBlock + i;
        }
    }
    return -1;
}

ByteView MainTable::Record(int n) {
    if (!open_ || n < 0 || n >= count_ || !LoadBlock(n / kRecordsPerBlock)) return {};
    return {current_ + static_cast<std::size_t>(n % kRecordsPerBlock) * kRecordSize, kRecordSize};
}

int MainTable::ReadOne(int n, RawRecord* out) {
    const ByteView record = Record(n);
    if (record.empty()) return -1;
    std::memcpy(out->data(), record.data(), kRecordSize);
    return 0;
}

int MainTable::Read(int first, int last, std::span<SubscriberEntry> out) {
    if (!open_ || decoder_ == nullptr || first < 0 || last >= count_ || last < first ||
        out.size() < static_cast<std::size_t>(last - first) + 1) {
        return -1;
    }
    for (int n = first; n <= last; ++n) {
        const ByteView record = Record(n);
        if (record.empty()) return -1;
        decoder_->Decode(record.data(), &out[static_cast<std::size_t>(n - first)]);
    }
    return 0;
}

}  // namespace vendarion
