// The subscriber table: 28-byte records of every book, 1024 to a compressed block,
// with a multi-level key index over the blocks. Keeps the last few blocks it
// inflated, so that repeated and neighbouring searches do not inflate them again;
// record views stay valid until the next call on this object. One thread per object:
// each thread uses its own (see BookList).
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <memory>
#include <span>

#include "base/byte_view.h"
#include "store/main_table_format.h"
#include "store/subscriber_entry.h"

namespace vendarion {

class EntryDecoder;

// The sort key of a main entry: book, surname id, first-name id (ids are word
// number + 1).
struct TableKey {
    std::int64_t book = 0;
    std::int64_t surname = 0;
    std::int64_t first_name = 0;
    auto operator<=>(const TableKey&) const = default;
};

using RawRecord = std::array<std::uint8_t, main_table_format::kRecordSize>;

class MainTable {
public:
    MainTable() = default;
    MainTable(const MainTable&) = delete;
    MainTable& operator=(const MainTable&) = delete;

    // Checks the header (K = ceil(N / 1024), F >= 1) and the size of every index
    // level; false (and closed) on any mismatch. A block whose offset or length
    // points outside the data member does not load: its records cannot be read.
    [[nodiscard]] bool Open(ByteView data, ByteView index);
    void Close();
    bool IsOpen() const { return open_; }
    // The decoder that Read uses (the book list's dictionaries and book data).
    void SetDecoder(EntryDecoder* decoder) { decoder_ = decoder; }

    int Count() const { return count_; }
    int BlockCount() const { return blocks_; }
    int FanOut() const { return fan_out_; }
    // Leaf key of block k (0 <= k < BlockCount()).
    TableKey LeafKey(int k) const;

    // The first main entry (level 0) at or after (book, surname + 1, first_name + 1),
    // where a word number of -2 stands for "any"; -1 when the scan passes the last
    // block or a block does not inflate.
    int Find(int book, int surname, int first_name);
    // The block the index descent starts the scan of key at.
    int DescendIndex(const TableKey& key) const;

    // The bytes of record n; empty when n is outside or its block does not inflate.
    ByteView Record(int n);
    // Copies record n; 0 or -1.
    int ReadOne(int n, RawRecord* out);
    // Decodes records first ... last into out[0 ...]; 0, or -1 when first < 0,
    // last >= Count(), out is too small, a block does not inflate or no decoder is set.
    int Read(int first, int last, std::span<SubscriberEntry> out);

    // How many inflated blocks the table keeps.
    static constexpr int kCachedBlocks = 32;

private:
    // A block held in the cache; last_use orders the slots for eviction.
    struct CacheSlot {
        int block = -1;
        std::uint64_t last_use = 0;
    };

    // Makes block k the current block (current_), inflating it into the least
    // recently used slot unless it is cached. A failed inflate empties that slot and
    // leaves the current block as it was.
    [[nodiscard]] bool LoadBlock(int k);
    void UseSlot(int slot);
    int RecordsInBlock(int k) const;
    const std::uint8_t* Entry(std::int64_t i) const;
    TableKey KeyAt(const std::uint8_t* entry) const;
    // Counts entries of a level from pos while their keys are <= key.
    int CountNotGreater(std::int64_t level_start, int level_size, int pos,
                        const TableKey& key) const;

    bool open_ = false;
    ByteView data_;
    const std::uint8_t* entries_ = nullptr;
    int count_ = 0;
    int blocks_ = 0;
    int fan_out_ = 1;
    int level1_ = 0;
    int level2_ = 0;
    int level3_ = 0;
    int cached_block_ = -1;  // the current block, or -1
    const std::uint8_t* current_ = nullptr;
    std::array<CacheSlot, kCachedBlocks> slots_{};
    std::uint64_t use_clock_ = 0;
    // kCachedBlocks block buffers; allocated at Open, pages touched only when used.
    std::unique_ptr<std::uint8_t[]> buffer_;
    EntryDecoder* decoder_ = nullptr;
};

}  // namespace vendarion
