#include "main_table_writer.h"

#include <limits>
#include <thread>

#include "byte_writer.h"

namespace vendarion::mkdata {
namespace {

constexpr std::int32_t kGreatest = std::numeric_limits<std::int32_t>::max();
constexpr std::size_t kBlockBytes = kRecordsPerTableBlock * kRecordSize;
// Blocks compressed together: 256 blocks are 7 MiB of records.
constexpr std::size_t kBatchBlocks = 256;

void PutEntry(std::string* out, const TableKey& key, std::uint32_t offset) {
    PutI32(out, key.book);
    PutI32(out, key.surname);
    PutI32(out, key.first_name);
    PutU32(out, offset);
}

// The level above keys: entry j holds keys[(j + 1) * fan_out].
std::vector<TableKey> LevelAbove(const std::vector<TableKey>& keys, std::size_t fan_out) {
    std::vector<TableKey> level(keys.size() / fan_out);
    for (std::size_t j = 0; j < level.size(); ++j) {
        const std::size_t below = (j + 1) * fan_out;
        level[j] = below < keys.size() ? keys[below] : TableKey{kGreatest, kGreatest, kGreatest};
    }
    return level;
}

}  // namespace

MainTableWriter::MainTableWriter(ArchiveWriter* archive, int zlib_level)
    : archive_(archive),
      compressors_{ZlibCompressor(zlib_level), ZlibCompressor(zlib_level)},
      blocks_(kBatchBlocks),
      compressed_(kBatchBlocks) {}

bool MainTableWriter::Begin() {
    if (!compressors_[0].Valid() || !compressors_[1].Valid()) {
        error_ = "cannot make a compressor";
        return false;
    }
    if (!archive_->BeginMember("MainTable.z")) {
        error_ = archive_->Error();
        return false;
    }
    member_start_ = archive_->Position();
    for (std::string& block : blocks_) block.reserve(kBlockBytes);
    return true;
}

bool MainTableWriter::Add(const Record& record, const TableKey& main_key) {
    std::string& block = blocks_[filled_];
    if (block.empty()) keys_.push_back(main_key);
    block.append(reinterpret_cast<const char*>(record.data()), record.size());
    ++record_count_;
    if (block.size() < kBlockBytes) return true;
    return ++filled_ < kBatchBlocks || FlushBatch();
}

bool MainTableWriter::Finish() {
    if (filled_ < kBatchBlocks && !blocks_[filled_].empty()) ++filled_;
    return filled_ == 0 || FlushBatch();
}

bool MainTableWriter::FlushBatch() {
    // Lane 1 takes the odd blocks on a second thread, lane 0 the even ones here.
    bool compressed[2] = {true, true};
    const auto compress = [this, &compressed](int lane) {
        for (std::size_t k = static_cast<std::size_t>(lane); k < filled_; k += 2) {
            compressed_[k].assign(4, '\0');
            compressed[lane] &= compressors_[lane].Append(blocks_[k], &compressed_[k]);
        }
    };
    std::thread helper(compress, 1);
    compress(0);
    helper.join();
    if (!compressed[0] || !compressed[1]) {
        error_ = "zlib failed to compress a table block";
        return false;
    }
    for (std::size_t k = 0; k < filled_; ++k) {
        const std::uint64_t offset = archive_->Position() - member_start_;
        if (offset > static_cast<std::uint64_t>(kGreatest)) {
            error_ = "MainTable.z larger than 2 GiB";
            return false;
        }
        leaves_.push_back({keys_[k], static_cast<std::uint32_t>(offset)});
        std::string length;
        PutU32(&length, static_cast<std::uint32_t>(compressed_[k].size() - 4));
        compressed_[k].replace(0, 4, length);
        if (!archive_->Append(compressed_[k])) {
            error_ = archive_->Error();
            return false;
        }
        blocks_[k].clear();
    }
    keys_.clear();
    filled_ = 0;
    return true;
}

std::string BuildTableIndex(std::uint32_t record_count, const std::vector<LeafEntry>& leaves,
                            int fan_out) {
    const auto f = static_cast<std::size_t>(fan_out);
    std::vector<TableKey> leaf_keys;
    leaf_keys.reserve(leaves.size());
    for (const LeafEntry& leaf : leaves) leaf_keys.push_back(leaf.key);
    const std::vector<TableKey> level1 = LevelAbove(leaf_keys, f);
    const std::vector<TableKey> level2 = LevelAbove(level1, f);
    const std::vector<TableKey> level3 = LevelAbove(level2, f);
    std::string bytes;
    PutU32(&bytes, record_count);
    PutU32(&bytes, static_cast<std::uint32_t>(leaves.size()));
    PutI16(&bytes, static_cast<std::int16_t>(fan_out));
    for (const auto* level : {&level3, &level2, &level1}) {
        for (const TableKey& key : *level) PutEntry(&bytes, key, 0);
    }
    for (const LeafEntry& leaf : leaves) PutEntry(&bytes, leaf.key, leaf.offset);
    return bytes;
}

}  // namespace vendarion::mkdata
