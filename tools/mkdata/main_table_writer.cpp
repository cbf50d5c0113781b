#include "main_table_writer.h"

#include <limits>

#include "byte_writer.h"
#include "zlib_block.h"

namespace vendarion::mkdata {
namespace {

constexpr std::int32_t kGreatest = std::numeric_limits<std::int32_t>::max();

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

bool MainTableWriter::Begin() {
    if (!archive_->BeginMember("MainTable.z")) {
        error_ = archive_->Error();
        return false;
    }
    member_start_ = archive_->Position();
    block_.reserve(kRecordsPerTableBlock * kRecordSize);
    return true;
}

bool MainTableWriter::Add(const Record& record, const TableKey& main_key) {
    if (block_.empty()) {
        const std::uint64_t offset = archive_->Position() - member_start_;
        if (offset > static_cast<std::uint64_t>(kGreatest)) {
            error_ = "MainTable.z larger than 2 GiB";
            return false;
        }
        leaves_.push_back({main_key, static_cast<std::uint32_t>(offset)});
    }
    block_.append(reinterpret_cast<const char*>(record.data()), record.size());
    ++record_count_;
    return block_.size() < kRecordsPerTableBlock * kRecordSize || FlushBlock();
}

bool MainTableWriter::Finish() { return block_.empty() || FlushBlock(); }

bool MainTableWriter::FlushBlock() {
    compressed_.assign(4, '\0');
    if (!AppendZlibBlock(block_, zlib_level_, &compressed_)) {
        error_ = "zlib failed to compress a table block";
        return false;
    }
    std::string length;
    PutU32(&length, static_cast<std::uint32_t>(compressed_.size() - 4));
    compressed_.replace(0, 4, length);
    block_.clear();
    if (archive_->Append(compressed_)) return true;
    error_ = archive_->Error();
    return false;
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
