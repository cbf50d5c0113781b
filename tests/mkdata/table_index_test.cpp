// The subscriber table over many blocks with a tiny fan-out: every index level is
// filled, duplicate keys cross block boundaries and blocks start with sub-entries.
#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "base/byte_view.h"
#include "data_compiler.h"
#include "source_files.h"
#include "store/archive_file.h"
#include "support/temp_dir.h"

namespace vendarion::mkdata {
namespace {

using Key = std::array<std::int32_t, 3>;
constexpr int kFanOut = 2;

struct Table {
    std::vector<Key> leaves;
    std::vector<Key> levels[3];  // levels 1, 2, 3
    std::vector<Key> keys;       // per record: its own key
    std::vector<int> record_levels;
};

Key KeyAt(const std::uint8_t* p) { return {LoadI32(p), LoadI32(p + 4), LoadI32(p + 8)}; }

Table ReadTable(const ArchiveFile& index, const ArchiveFile& data) {
    Table table;
    const ByteView idx = index.Member("MainTable.idx");
    const ByteView z = data.Member("MainTable.z");
    const std::uint32_t n = LoadU32(idx.data());
    const std::uint32_t k = LoadU32(idx.data() + 4);
    EXPECT_EQ(LoadI16(idx.data() + 8), kFanOut);
    const std::size_t l1 = k / kFanOut, l2 = l1 / kFanOut, l3 = l2 / kFanOut;
    EXPECT_EQ(idx.size(), 10 + 16 * (l1 + l2 + l3 + k));
    const std::uint8_t* entry = idx.data() + 10;
    for (auto [level, count] : {std::pair{2, l3}, {1, l2}, {0, l1}}) {
        for (std::size_t j = 0; j < count; ++j, entry += 16)
            table.levels[level].push_back(KeyAt(entry));
    }
    for (std::uint32_t b = 0; b < k; ++b, entry += 16) {
        table.leaves.push_back(KeyAt(entry));
        const std::uint32_t offset = LoadU32(entry + 12);
        std::vector<std::uint8_t> block(1024 * 28);
        uLongf length = block.size();
        EXPECT_EQ(
            uncompress(block.data(), &length, z.data() + offset + 4, LoadU32(z.data() + offset)),
            Z_OK);
        EXPECT_EQ(length, b + 1 < k ? 1024u * 28 : (n - 1024 * b) * 28);
        for (std::size_t r = 0; r < length / 28; ++r) {
            const std::uint8_t* p = block.data() + 28 * r;
            table.keys.push_back({p[0] | (p[1] << 8),
                                  static_cast<std::int32_t>(LoadU24BigEndian(p + 15)),
                                  static_cast<std::int32_t>(LoadU24BigEndian(p + 18))});
            table.record_levels.push_back(p[6] & 7);
        }
    }
    EXPECT_EQ(table.keys.size(), n);
    return table;
}

// Index descent as the reader does it, with the reader's step one block back when
// the key equals the leaf key it stops at.
int Descend(const Table& t, const Key& key) {
    std::size_t pos = 0;
    for (int level = 2; level >= 0; --level) {
        const std::vector<Key>& entries = t.levels[level];
        if (entries.empty()) continue;
        std::size_t count = 0;
        while (pos + count < entries.size() && entries[pos + count] <= key) ++count;
        pos = (level == 2 ? count : pos + count) * kFanOut;
    }
    std::size_t b = pos;
    while (b < t.leaves.size() && key > t.leaves[b]) ++b;
    if (b == t.leaves.size()) return static_cast<int>(b) - 1;
    if (key < t.leaves[b]) return static_cast<int>(b) - 1;
    while (b > 0 && t.leaves[b - 1] == key) --b;
    return static_cast<int>(b) - (b > 0 ? 1 : 0);
}

TEST(TableIndex, EveryLevelAndDuplicateKeysAcrossBlocks) {
    test::SourceFiles files;
    std::string lines;
    for (int i = 0; i < 6000; ++i) {
        const std::string name = "N" + std::to_string(1000 + i / 9);
        const std::string tail =
            "\t\t\t\t\t\t\t\t\t\t\t\t\t" + std::to_string(100000 + i) + "\t0\t0\n";
        lines += "0\t0\t" + name + "\tA" + tail;
        for (int s = 0; s < i % 4; ++s) lines += "0\t1\tSub\tB" + tail;
    }
    files.files["subscribers.tsv"] = lines;
    test::TempDir dir;
    files.WriteTo(dir.path());
    CompileLog log;
    ASSERT_TRUE(CompileDataSet(dir.path(), dir.path(), {.fan_out = kFanOut}, &log)) << log.error;
    ArchiveFile index, data;
    ASSERT_TRUE(index.Open(dir.File("Index.mf")));
    ASSERT_TRUE(data.Open(dir.File("Data.mf")));
    const Table t = ReadTable(index, data);
    ASSERT_FALSE(t.levels[2].empty());

    // Leaf keys: the key of the main entry each block starts in, never decreasing.
    int sub_starts = 0;
    Key main{};
    for (std::size_t r = 0; r < t.keys.size(); ++r) {
        if (t.record_levels[r] == 0) main = t.keys[r];
        if (r % 1024 == 0) {
            EXPECT_EQ(t.leaves[r / 1024], main) << "block " << r / 1024;
            sub_starts += t.record_levels[r] != 0;
        }
    }
    EXPECT_GT(sub_starts, 0);
    for (int level = 0; level < 3; ++level) {
        const std::vector<Key>& below = level == 0 ? t.leaves : t.levels[level - 1];
        for (std::size_t j = 0; j < t.levels[level].size(); ++j) {
            const std::size_t at = (j + 1) * kFanOut;
            const Key greatest = {INT_MAX, INT_MAX, INT_MAX};
            EXPECT_EQ(t.levels[level][j], at < below.size() ? below[at] : greatest);
        }
    }
    // Main keys (and keys just below them) are found by descent plus forward scan.
    for (std::size_t r = 0; r < t.keys.size(); r += 5) {
        if (t.record_levels[r] != 0) continue;
        for (const Key& key : {t.keys[r], Key{0, t.keys[r][1], 0}}) {
            std::size_t found = std::max(Descend(t, key), 0) * 1024;
            while (found < t.keys.size() && (t.record_levels[found] != 0 || t.keys[found] < key))
                ++found;
            std::size_t first = 0;
            while (t.record_levels[first] != 0 || t.keys[first] < key) ++first;
            ASSERT_EQ(found, first) << "record " << r;
        }
    }
}

}  // namespace
}  // namespace vendarion::mkdata
