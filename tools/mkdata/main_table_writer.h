// Streaming the subscriber table into the data archive and building its index.
//
// MainTable.z (data archive): for each block, uint32 compressed length L and L bytes
//   of one zlib stream holding 1024 records of 28 bytes (the last block fewer).
// MainTable.idx (index archive): uint32 record count N; uint32 block count K; int16
//   fan-out F; then 16-byte entries (int32 book, int32 surname id, int32 first-name
//   id, int32 offset): level 3, level 2, level 1, then the K leaf entries.
//   L1 = K / F, L2 = L1 / F, L3 = L2 / F. Leaf k holds the key of block k's first
//   record (of its main entry when the block starts with a sub-entry, so that leaf
//   keys never decrease) and the block's offset in MainTable.z. Entry j of a level
//   above holds the key of entry (j + 1) * F of the level below, or the greatest key
//   when that entry does not exist; its offset is 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/archive_writer.h"
#include "subscriber_record.h"
#include "zlib_block.h"

namespace vendarion::mkdata {

inline constexpr std::size_t kRecordsPerTableBlock = 1024;

struct TableKey {
    std::int32_t book = 0;
    std::int32_t surname = 0;
    std::int32_t first_name = 0;
};

struct LeafEntry {
    TableKey key;
    std::uint32_t offset = 0;
};

// Appends records block by block to the member "MainTable.z" of an archive. Called
// from one thread; it gathers full blocks into batches and compresses each batch on
// two threads, then writes the blocks in order, so the output does not depend on
// the threads.
class MainTableWriter {
public:
    MainTableWriter(ArchiveWriter* archive, int zlib_level);

    [[nodiscard]] bool Begin();
    // Adds the next record; main_key is the key of its main entry (its own key for a
    // main entry).
    [[nodiscard]] bool Add(const Record& record, const TableKey& main_key);
    // Writes the last, partial block.
    [[nodiscard]] bool Finish();

    std::uint32_t RecordCount() const { return record_count_; }
    const std::vector<LeafEntry>& Leaves() const { return leaves_; }
    const std::string& Error() const { return error_; }

private:
    // Compresses the gathered blocks and appends them to the member.
    [[nodiscard]] bool FlushBatch();

    ArchiveWriter* archive_;
    ZlibCompressor compressors_[2];
    std::uint64_t member_start_ = 0;
    // Uncompressed blocks of the current batch (the last one being filled) and
    // their compressed streams, each behind its 4-byte length.
    std::vector<std::string> blocks_;
    std::vector<std::string> compressed_;
    std::size_t filled_ = 0;
    std::uint32_t record_count_ = 0;
    // Leaves of the blocks already written; the batch's keys wait in keys_.
    std::vector<LeafEntry> leaves_;
    std::vector<TableKey> keys_;
    std::string error_;
};

// The MainTable.idx member.
std::string BuildTableIndex(std::uint32_t record_count, const std::vector<LeafEntry>& leaves,
                            int fan_out);

}  // namespace vendarion::mkdata
