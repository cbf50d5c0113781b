// The subscriber table writer over more blocks than one compression batch: every
// block is a standard zlib stream (read here with zlib itself) at the offset its
// leaf names, holding its records in order, and each leaf keeps its block's key.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/byte_view.h"
#include "main_table_writer.h"
#include "store/archive_file.h"
#include "support/temp_dir.h"

namespace vendarion::mkdata {
namespace {

// Record n: its number in the first four bytes, the rest a pattern that compresses.
Record RecordNumber(std::uint32_t n) {
    Record record{};
    std::memcpy(record.data(), &n, sizeof n);
    for (std::size_t i = 4; i < record.size(); ++i)
        record[i] = static_cast<std::uint8_t>(n % 7 + i);
    return record;
}

TEST(TableWriter, BlocksOfSeveralBatchesAreZlibStreamsInOrder) {
    // 600 full blocks (more than two batches) and a partial one.
    constexpr std::uint32_t kRecords = 600 * 1024 + 100;
    test::TempDir dir;
    ArchiveWriter archive;
    ASSERT_TRUE(archive.Create(dir.File("Data.mf")));
    MainTableWriter table(&archive, 1);
    ASSERT_TRUE(table.Begin());
    for (std::uint32_t n = 0; n < kRecords; ++n) {
        const auto block = static_cast<std::int32_t>(n / 1024);
        ASSERT_TRUE(table.Add(RecordNumber(n), {block, block * 2, 0})) << table.Error();
    }
    ASSERT_TRUE(table.Finish()) << table.Error();
    ASSERT_TRUE(archive.Finish());
    EXPECT_EQ(table.RecordCount(), kRecords);

    ArchiveFile file;
    ASSERT_TRUE(file.Open(dir.File("Data.mf")));
    const ByteView z = file.Member("MainTable.z");
    const std::vector<LeafEntry>& leaves = table.Leaves();
    ASSERT_EQ(leaves.size(), 601u);
    std::uint32_t next = 0;
    std::uint64_t end = 0;
    std::vector<std::uint8_t> block(1024 * kRecordSize);
    for (std::size_t k = 0; k < leaves.size(); ++k) {
        EXPECT_EQ(leaves[k].key.book, static_cast<std::int32_t>(k));
        EXPECT_EQ(leaves[k].key.surname, static_cast<std::int32_t>(2 * k));
        const std::uint32_t offset = leaves[k].offset;
        ASSERT_EQ(offset, end) << "block " << k;
        ASSERT_TRUE(z.Contains(offset, 4));
        const std::uint32_t length = LoadU32(z.data() + offset);
        ASSERT_TRUE(z.Contains(offset + 4, length));
        uLongf size = block.size();
        ASSERT_EQ(uncompress(block.data(), &size, z.data() + offset + 4, length), Z_OK);
        ASSERT_EQ(size % kRecordSize, 0u);
        for (std::size_t r = 0; r < size / kRecordSize; ++r, ++next) {
            const Record expected = RecordNumber(next);
            ASSERT_EQ(std::memcmp(block.data() + r * kRecordSize, expected.data(), kRecordSize), 0)
                << "record " << next;
        }
        end = offset + 4 + length;
    }
    EXPECT_EQ(next, kRecords);
    EXPECT_EQ(end, z.size());
}

}  // namespace
}  // namespace vendarion::mkdata
