#include "store/sorted_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/archive_writer.h"
#include "store_builders.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

using test::ListEntry;

class SortedListTest : public ::testing::Test {
protected:
    // Writes the list into List.mf and opens it.
    bool Open(SortedList* list, const std::vector<ListEntry>& entries, int per_block) {
        const char* names[][2] = {
            {"Orte.i2", "Orte.z2"}, {"PLZs.i2", "PLZs.z2"}, {"Vorwahlen.i2", "Vorwahlen.z2"}};
        const auto& name = names[static_cast<int>(list->Kind())];
        const test::ListMembers members = test::BuildSortedList(list->Kind(), entries, per_block);
        ArchiveWriter writer;
        EXPECT_TRUE(writer.Create(dir_.File("List.mf")));
        EXPECT_TRUE(writer.AddMember(name[0], members.index));
        EXPECT_TRUE(writer.AddMember(name[1], members.data));
        EXPECT_TRUE(writer.Finish());
        archive_.Close();
        EXPECT_TRUE(archive_.Open(dir_.File("List.mf")));
        return list->Open(archive_);
    }
    std::string First(SortedList* list, int r) {
        return std::string(list->Parse(list->Record(r)).first);
    }

    test::TempDir dir_;
    ArchiveFile archive_;
};

const std::vector<ListEntry> kPostalCodes = {{"01067", "Dresden", 7}, {"10115", "Berlin", 1},
                                             {"10117", "Berlin", 1},  {"20095", "Hamburg", 2},
                                             {"50667", "K\xF6ln", 3}, {"80331", "M\xFCnchen", 4},
                                             {"99084", "Erfurt", 5}};

TEST_F(SortedListTest, ReadsEveryRecordAcrossBlocks) {
    SortedList list(ListKind::kPostalCodes);
    ASSERT_TRUE(Open(&list, kPostalCodes, 3));
    ASSERT_EQ(list.Count(), 7);
    for (int r = 0; r < 7; ++r) {
        const ListRecord record = list.Parse(list.Record(r));
        EXPECT_EQ(record.first, kPostalCodes[r].first);
        EXPECT_EQ(record.second, kPostalCodes[r].second);
        EXPECT_EQ(record.book, kPostalCodes[r].book);
    }
    std::string range;
    EXPECT_EQ(list.GetRange(2, 4, &range), 3);
    EXPECT_EQ(range.size(), 3u * 92);
    EXPECT_EQ(list.Parse(ByteView(range).Sub(2 * 92, 92)).second, "K\xF6ln");
    EXPECT_EQ(list.GetRange(4, 2, &range), 0);
    EXPECT_EQ(list.GetRange(5, 7, &range), 0) << "last beyond the list";
    EXPECT_TRUE(list.Record(7).empty());
}

TEST_F(SortedListTest, CodePrefixSearchFollowsTheBlockChoice) {
    SortedList list(ListKind::kPostalCodes);
    ASSERT_TRUE(Open(&list, kPostalCodes, 3));  // blocks start 01067, 20095, 99084
    EXPECT_EQ(list.FindPrefix("0"), 0);
    EXPECT_EQ(list.FindPrefix(""), 0);
    EXPECT_EQ(list.FindPrefix("1011"), 1);
    EXPECT_EQ(list.FindPrefix("10116"), 2);
    // Equal to the first key of block 1: block 0 is chosen, holds nothing at or
    // after it and the answer is the first record of block 1.
    EXPECT_EQ(list.FindPrefix("20095"), 3);
    EXPECT_EQ(list.FindPrefix("5"), 4);
    EXPECT_EQ(list.FindPrefix("99"), 6);
    // After every record: the scan reaches the end inside the last block.
    EXPECT_EQ(list.FindPrefix("999"), -1);
}

TEST_F(SortedListTest, PrefixAfterEveryRecordOfAFullLastBlockIsTheCount) {
    SortedList list(ListKind::kAreaCodes);
    ASSERT_TRUE(Open(&list,
                     {{"030", "Berlin", 1},
                      {"040", "Hamburg", 2},
                      {"089", "M\xFCnchen", 3},
                      {"0911", "N\xFCrnberg", 4}},
                     2));
    EXPECT_EQ(list.FindPrefix("09"), 3);
    EXPECT_EQ(list.FindPrefix("0912"), 4);
    EXPECT_EQ(list.Parse(list.Record(2)).second, "M\xFCnchen");
    EXPECT_EQ(list.Parse(list.Record(3)).book, 4);
}

TEST_F(SortedListTest, TownSearchFoldsCaseAndUmlauts) {
    SortedList list(ListKind::kTowns);
    const std::vector<ListEntry> towns = {{"Aachen", "52062", 1},   {"Bad Salzuflen", "32105", 2},
                                          {"Berlin", "10115", 3},   {"D\xFCren", "52349", 4},
                                          {"Duisburg", "47051", 5}, {"Gro\xDF-Gerau", "64521", 6},
                                          {"Zwickau", "08056", 7}};
    ASSERT_TRUE(Open(&list, towns, 2));
    EXPECT_EQ(First(&list, list.FindPrefix("berlin")), "Berlin");
    EXPECT_EQ(First(&list, list.FindPrefix("DUEREN")), "D\xFCren");
    EXPECT_EQ(First(&list, list.FindPrefix("gross ger")), "Gro\xDF-Gerau");
    EXPECT_EQ(list.FindPrefix("a"), 0);
    EXPECT_EQ(list.FindPrefix("Bad"), 1);
    EXPECT_EQ(list.FindPrefix("Ca"), 3);
    EXPECT_EQ(list.FindPrefix("Zz"), -1);
    EXPECT_EQ(list.Parse(list.Record(2)).second, "10115");
}

TEST_F(SortedListTest, TownNamedInManyBooksIsFoundAtItsFirstRow) {
    SortedList list(ListKind::kTowns);
    // Blocks of two: [Aachen, Berlin 1], [Berlin 2, Berlin 3], [Berlin 4, Bonn].
    // The run of Berlin starts inside block 0 and covers two block keys.
    const std::vector<ListEntry> towns = {{"Aachen", "52062", 1}, {"Berlin", "10115", 2},
                                          {"Berlin", "12524", 3}, {"Berlin", "13051", 4},
                                          {"Berlin", "14050", 5}, {"Bonn", "53111", 6}};
    ASSERT_TRUE(Open(&list, towns, 2));
    EXPECT_EQ(list.FindPrefix("Berlin"), 1);
    EXPECT_EQ(list.FindPrefix("BERL"), 1);
    EXPECT_EQ(list.FindPrefix("Bonn"), 5);
    // A run that starts exactly at a block boundary: the block before holds nothing
    // at or after the text, so the answer is the first record of the run's block.
    const std::vector<ListEntry> aligned = {{"Aachen", "52062", 1},
                                            {"Aalen", "73430", 2},
                                            {"K\xF6ln", "50667", 3},
                                            {"K\xF6ln", "51143", 4},
                                            {"K\xF6ln", "51147", 5}};
    ASSERT_TRUE(Open(&list, aligned, 2));
    EXPECT_EQ(list.FindPrefix("koeln"), 2);
    EXPECT_EQ(list.Parse(list.Record(2)).second, "50667");
}

TEST_F(SortedListTest, EmptyListFindsNothing) {
    SortedList list(ListKind::kTowns);
    ASSERT_TRUE(Open(&list, {}, 4));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.FindPrefix("a"), -1);
    EXPECT_TRUE(list.Record(0).empty());
}

TEST_F(SortedListTest, RefusesDescriptorsOutsideTheDataMember) {
    const test::ListMembers good = test::BuildSortedList(ListKind::kPostalCodes, kPostalCodes, 3);
    const auto open_with = [&](const std::string& index, const std::string& data) {
        ArchiveWriter writer;
        EXPECT_TRUE(writer.Create(dir_.File("List.mf")));
        EXPECT_TRUE(writer.AddMember("PLZs.i2", index));
        EXPECT_TRUE(writer.AddMember("PLZs.z2", data));
        EXPECT_TRUE(writer.Finish());
        archive_.Close();
        EXPECT_TRUE(archive_.Open(dir_.File("List.mf")));
        SortedList list(ListKind::kPostalCodes);
        return list.Open(archive_);
    };
    EXPECT_TRUE(open_with(good.index, good.data));
    EXPECT_FALSE(open_with(good.index, good.data.substr(0, good.data.size() - 1)));
    EXPECT_FALSE(open_with(good.index.substr(0, good.index.size() - 1), good.data));
    EXPECT_FALSE(open_with(test::Le32(7) + test::Le32(0) + good.index.substr(8), good.data));
    EXPECT_FALSE(open_with(test::Le32(-1) + good.index.substr(4), good.data));
    std::string negative_offset = good.index;
    negative_offset.replace(8 + 20 + 16, 4, test::Le32(-5));
    EXPECT_FALSE(open_with(negative_offset, good.data));
}

TEST_F(SortedListTest, ABlockThatDoesNotInflateFailsTheReadNotTheList) {
    test::ListMembers members = test::BuildSortedList(ListKind::kPostalCodes, kPostalCodes, 3);
    // Block 1 starts where descriptor 1 says; flip a byte inside its deflate data.
    const std::int32_t offset =
        LoadI32(reinterpret_cast<const std::uint8_t*>(members.index.data()) + 8 + 20 + 16);
    members.data[offset + 4] ^= 0x55;
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Create(dir_.File("List.mf")));
    ASSERT_TRUE(writer.AddMember("PLZs.i2", members.index));
    ASSERT_TRUE(writer.AddMember("PLZs.z2", members.data));
    ASSERT_TRUE(writer.Finish());
    ASSERT_TRUE(archive_.Open(dir_.File("List.mf")));
    SortedList list(ListKind::kPostalCodes);
    ASSERT_TRUE(list.Open(archive_));
    EXPECT_EQ(list.FindPrefix("1"), 1);
    EXPECT_EQ(list.FindPrefix("5"), -1);
    std::string range;
    EXPECT_EQ(list.GetRange(1, 4, &range), 0);
    EXPECT_TRUE(range.empty());
    EXPECT_EQ(list.Parse(list.Record(6)).first, "99084") << "later blocks still read";
}

}  // namespace
}  // namespace vendarion
