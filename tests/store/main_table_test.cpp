#include "store/main_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store_builders.h"

namespace vendarion {
namespace {

using test::TableRecord;

TableRecord Main(int book, int surname, int first_name) {
    TableRecord r;
    r.book = static_cast<std::uint16_t>(book);
    r.surname = static_cast<std::uint32_t>(surname);
    r.first_name = static_cast<std::uint32_t>(first_name);
    return r;
}

// The first main entry at or after the key, by brute force.
int BruteFind(const std::vector<TableRecord>& records, const TableKey& key) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TableRecord& r = records[i];
        if (r.level == 0 && TableKey{r.book, r.surname, r.first_name} >= key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class MainTableTest : public ::testing::Test {
protected:
    bool Open(const std::vector<TableRecord>& records, int fan_out) {
        members_ = test::BuildMainTable(records, fan_out);
        return table_.Open(ByteView(members_.data), ByteView(members_.index));
    }

    test::TableMembers members_;
    MainTable table_;
};

// 9000 records in 9 blocks: with fan-out 2 the index has 4, 2 and 1 entries on
// levels 1, 2 and 3. Every third entry is followed by a sub-entry.
std::vector<TableRecord> NineBlocks() {
    std::vector<TableRecord> records;
    for (int i = 0; records.size() < 9000; ++i) {
        records.push_back(Main(i / 2000, 2 * ((i / 20) % 100) + 1, 2 * (i % 20) + 1));
        if (i % 3 == 0) {
            TableRecord sub = records.back();
            sub.level = 1;
            records.push_back(sub);
        }
    }
    records.resize(9000);
    return records;
}

TEST_F(MainTableTest, FindAgreesWithAScanOnEveryIndexLevel) {
    const std::vector<TableRecord> records = NineBlocks();
    ASSERT_TRUE(Open(records, 2));
    EXPECT_EQ(table_.Count(), 9000);
    EXPECT_EQ(table_.BlockCount(), 9);
    for (int book = 0; book <= 4; ++book) {
        for (int surname = -2; surname <= 200; surname += 7) {
            for (int first_name : {-2, 0, 1, 2, 19, 40}) {
                const TableKey key{book, surname + 1, first_name + 1};
                ASSERT_EQ(table_.Find(book, surname, first_name), BruteFind(records, key))
                    << book << " " << surname << " " << first_name;
            }
        }
    }
    EXPECT_EQ(table_.Find(0, -2, -2), 0);
    EXPECT_EQ(table_.Find(9, -2, -2), -1) << "a book after every stored one";
}

TEST_F(MainTableTest, FindsMainEntriesWithTheKeyThatEndTheBlockBeforeAnEqualLeaf) {
    std::vector<TableRecord> records;
    for (int i = 0; i < 1020; ++i) records.push_back(Main(1, 1 + i, 1));
    for (int i = 0; i < 2100; ++i) records.push_back(Main(1, 5000, 7));  // blocks 0 to 3
    for (int i = 0; i < 100; ++i) records.push_back(Main(1, 6000 + i, 1));
    for (int fan_out : {2, 3, 100}) {
        ASSERT_TRUE(Open(records, fan_out));
        EXPECT_EQ(table_.LeafKey(1), (TableKey{1, 5000, 7}));
        EXPECT_EQ(table_.Find(1, 4999, 6), 1020) << "fan-out " << fan_out;
        EXPECT_EQ(table_.Find(1, 4999, -2), 1020);
        EXPECT_EQ(table_.Find(1, 4999, 7), 3120);
    }
}

TEST_F(MainTableTest, FindSkipsSubEntriesCarryingTheWantedNames) {
    std::vector<TableRecord> records = {Main(0, 3, 1), Main(0, 3, 1), Main(0, 5, 2), Main(0, 5, 2)};
    records[1].level = 1;
    records[1].surname = 4;
    records[2].level = 0;
    EXPECT_TRUE(Open(records, 2));
    EXPECT_EQ(table_.Find(0, 3, -2), 2) << "the sub-entry with surname id 4 is skipped";
    EXPECT_EQ(table_.Find(0, 4, 1), 2);
    EXPECT_EQ(table_.Find(0, 5, 1), -1);
}

TEST_F(MainTableTest, ReadsRawRecords) {
    std::vector<TableRecord> records = NineBlocks();
    records[1500].phone = 4711;
    ASSERT_TRUE(Open(records, 2));
    RawRecord raw{};
    ASSERT_EQ(table_.ReadOne(1500, &raw), 0);
    EXPECT_EQ(std::string(raw.begin(), raw.end()), test::EncodeRecord(records[1500]));
    EXPECT_EQ(table_.ReadOne(9000, &raw), -1);
    EXPECT_EQ(table_.ReadOne(-1, &raw), -1);
    std::vector<SubscriberEntry> entries(2);
    EXPECT_EQ(table_.Read(0, 1, entries), -1) << "no decoder";
}

TEST_F(MainTableTest, RefusesInconsistentIndexes) {
    const std::vector<TableRecord> records = NineBlocks();
    const test::TableMembers good = test::BuildMainTable(records, 2);
    const auto open_with = [&](const std::string& index, const std::string& data) {
        MainTable table;
        return table.Open(ByteView(data), ByteView(index));
    };
    EXPECT_TRUE(open_with(good.index, good.data));
    std::string index = good.index;
    index.replace(4, 4, test::Le32(8));  // K does not match N
    EXPECT_FALSE(open_with(index, good.data));
    index = good.index;
    index.replace(8, 2, test::Le16(0));  // fan-out 0
    EXPECT_FALSE(open_with(index, good.data));
    index = good.index;
    index.replace(8, 2, test::Le16(1));  // fan-out 1: levels too large for the member
    EXPECT_FALSE(open_with(index, good.data));
    EXPECT_FALSE(open_with(good.index.substr(0, good.index.size() - 1), good.data));
    // The last leaf's block offset points past the data member, or before it: the
    // table opens (offsets are checked where a block is loaded), that block's records
    // cannot be read, the others can.
    for (const std::int64_t offset :
         {static_cast<std::int64_t>(good.data.size()) - 3, std::int64_t{-1}}) {
        index = good.index;
        index.replace(index.size() - 4, 4, test::Le32(offset));
        MainTable table;
        ASSERT_TRUE(table.Open(ByteView(good.data), ByteView(index)));
        RawRecord raw{};
        EXPECT_EQ(table.ReadOne(8 * 1024, &raw), -1);
        EXPECT_EQ(table.ReadOne(table.Count() - 1, &raw), -1);
        EXPECT_EQ(table.ReadOne(0, &raw), 0);
        EXPECT_EQ(table.ReadOne(8 * 1024 - 1, &raw), 0);
    }
    EXPECT_FALSE(open_with(good.index.substr(0, 9), good.data));
}

TEST_F(MainTableTest, DamagedBlocksFailFindAndRead) {
    const std::vector<TableRecord> records = NineBlocks();
    members_ = test::BuildMainTable(records, 2);
    // Block 0 starts at offset 0: make its length run past the member.
    std::string data = members_.data;
    data.replace(0, 4, test::Le32(static_cast<std::int64_t>(data.size())));
    ASSERT_TRUE(table_.Open(ByteView(data), ByteView(members_.index)));
    EXPECT_EQ(table_.Find(0, -2, -2), -1);
    RawRecord raw{};
    EXPECT_EQ(table_.ReadOne(3, &raw), -1);
    EXPECT_EQ(table_.ReadOne(1024, &raw), 0) << "block 1 is whole";
    // A byte flipped inside the deflate data of block 0.
    data = members_.data;
    data[20] = static_cast<char>(data[20] ^ 0x5A);
    ASSERT_TRUE(table_.Open(ByteView(data), ByteView(members_.index)));
    EXPECT_EQ(table_.ReadOne(3, &raw), -1);
    // A block that inflates to fewer records than the table says.
    const std::vector<TableRecord> shorter(records.begin(), records.begin() + 8999);
    const test::TableMembers fewer = test::BuildMainTable(shorter, 2);
    std::string index = fewer.index;
    ASSERT_TRUE(table_.Open(ByteView(fewer.data), ByteView(index.replace(0, 4, test::Le32(9000)))));
    EXPECT_EQ(table_.ReadOne(8998, &raw), -1);
}

// A block that fails to inflate must not spoil the blocks read before it.
TEST_F(MainTableTest, AFailedBlockLeavesTheBlocksReadBeforeIntact) {
    const std::vector<TableRecord> records = NineBlocks();
    members_ = test::BuildMainTable(records, 2);
    // Block 1 follows block 0 (length field and stream); spoil its Adler-32 trailer,
    // so that it inflates whole and only then fails.
    std::string data = members_.data;
    const std::size_t block1 = 4 + LoadU32(reinterpret_cast<const std::uint8_t*>(data.data()));
    const std::size_t end1 =
        block1 + 4 + LoadU32(reinterpret_cast<const std::uint8_t*>(data.data() + block1));
    data[end1 - 1] = static_cast<char>(data[end1 - 1] ^ 0x01);
    ASSERT_TRUE(table_.Open(ByteView(data), ByteView(members_.index)));
    RawRecord raw{};
    ASSERT_EQ(table_.ReadOne(3, &raw), 0);
    EXPECT_EQ(table_.ReadOne(1024 + 4, &raw), -1);
    ASSERT_EQ(table_.ReadOne(4, &raw), 0);
    EXPECT_EQ(std::string(raw.begin(), raw.end()), test::EncodeRecord(records[4]));
    EXPECT_EQ(table_.ReadOne(2048, &raw), 0) << "block 2 is whole";
}

// Records read back and forth over more blocks than the table keeps inflated.
TEST_F(MainTableTest, RecordsStayRightAcrossMoreBlocksThanAreKept) {
    const int blocks = MainTable::kCachedBlocks + 8;
    std::vector<TableRecord> records;
    for (int i = 0; i < blocks * 1024; ++i) records.push_back(Main(0, i / 3 + 1, i % 3 + 1));
    ASSERT_TRUE(Open(records, 4));
    RawRecord raw{};
    for (int pass = 0; pass < 3; ++pass) {
        for (int step = 0; step < 2 * blocks; ++step) {
            const int k = step < blocks ? step : 2 * blocks - 1 - step;
            const int n = k * 1024 + (pass * 7 + step) % 1024;
            ASSERT_EQ(table_.ReadOne(n, &raw), 0);
            ASSERT_EQ(std::string(raw.begin(), raw.end()), test::EncodeRecord(records[n])) << n;
        }
    }
}

}  // namespace
}  // namespace vendarion
