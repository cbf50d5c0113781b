// The index of sub-entry surnames: what Collect finds across blocks and surnames, and
// the layouts that Open or Collect refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/sub_name_index.h"
#include "store_builders.h"

namespace vendarion {
namespace {

using test::Le32;
using test::TableRecord;

TableRecord Entry(std::uint16_t book, std::uint8_t level, std::uint32_t surname) {
    TableRecord record;
    record.book = book;
    record.level = level;
    record.surname = surname;
    return record;
}

// Book 0: surname 5 with subs under 5 (not listed), 2, 7 and none; book 1: subs of
// surname 3 under two main entries and one of 9.
std::vector<TableRecord> Records() {
    return {Entry(0, 0, 5), Entry(0, 1, 5), Entry(0, 1, 7), Entry(0, 2, 2), Entry(0, 3, 0),
            Entry(0, 0, 6), Entry(0, 1, 2), Entry(0, 1, 7), Entry(1, 0, 1), Entry(1, 1, 3),
            Entry(1, 7, 9), Entry(1, 0, 2), Entry(1, 1, 3), Entry(1, 1, 3)};
}

std::vector<int> Collect(SubNameIndex* index, int book, std::vector<IdSpan> spans) {
    std::vector<int> out;
    if (!index->Collect(book, spans, &out)) out.push_back(-1);
    return out;
}

TEST(SubNameIndex, CollectsThePositionsOfSpansInTableOrderAcrossBlocks) {
    for (const std::uint32_t per_block : {1u, 2u, 3u, 100u}) {
        const std::string member = test::BuildSubNameIndex(Records(), 3, per_block);
        SubNameIndex index;
        ASSERT_TRUE(index.Open(ByteView(member))) << per_block;
        EXPECT_EQ(index.PairCount(0), 4u);
        EXPECT_EQ(index.PairCount(1), 4u);
        EXPECT_EQ(Collect(&index, 0, {{2, 2}}), (std::vector<int>{3, 6}));
        EXPECT_EQ(Collect(&index, 0, {{1, 9}}), (std::vector<int>{2, 3, 6, 7}));
        EXPECT_EQ(Collect(&index, 0, {{2, 2}, {7, 7}}), (std::vector<int>{2, 3, 6, 7}));
        EXPECT_EQ(Collect(&index, 0, {{5, 6}}), (std::vector<int>{}));
        EXPECT_EQ(Collect(&index, 1, {{3, 3}}), (std::vector<int>{9, 12, 13}));
        EXPECT_EQ(Collect(&index, 1, {{3, 3}, {9, 20}}), (std::vector<int>{9, 10, 12, 13}));
        EXPECT_EQ(Collect(&index, 2, {{1, 9}}), (std::vector<int>{}));
        // Spans out of order, reversed, or a book outside the index.
        EXPECT_EQ(Collect(&index, 0, {{7, 7}, {2, 2}}), (std::vector<int>{-1}));
        EXPECT_EQ(Collect(&index, 0, {{7, 2}}), (std::vector<int>{-1}));
        EXPECT_EQ(Collect(&index, 3, {{1, 9}}), (std::vector<int>{-1}));
        EXPECT_FALSE(index.Covers(-1));
    }
}

std::string Patched(std::string member, std::size_t offset, std::uint32_t value) {
    member.replace(offset, 4, Le32(value));
    return member;
}

TEST(SubNameIndex, OpenRefusesALayoutThatDoesNotAddUp) {
    // Three books, two pairs to a block: book 0 has blocks 0-1, book 1 blocks 2-3.
    const std::string member = test::BuildSubNameIndex(Records(), 3, 2);
    SubNameIndex index;
    ASSERT_TRUE(index.Open(ByteView(member)));
    const std::size_t blocks = 12 + 3 * 12;
    const std::vector<std::string> damaged = {
        member.substr(0, 11),                   // header cut
        member.substr(0, blocks + 12),          // block entries cut
        Patched(member, 4, 0),                  // no pairs to a block
        Patched(member, 4, 1),                  // block counts no longer fit
        Patched(member, 0, 4),                  // a fourth book entry that is not there
        Patched(member, 12 + 4, 1),             // book 0 with too few blocks
        Patched(member, 12 + 12, 4),            // book 1 past the last block
        Patched(member, blocks + 4, 0),         // a block inside the tables
        Patched(member, blocks + 8, 1u << 20),  // a block past the member
        Patched(member, blocks + 12, 1),        // book 0's first ids going down
    };
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(index.Open(ByteView(damaged[i]))) << i;
        EXPECT_FALSE(index.IsOpen());
        EXPECT_FALSE(index.Covers(0));
    }
}

// A member of one book and one block holding the given raw pairs.
std::string OneBlock(std::uint32_t first_id, const std::vector<std::uint32_t>& raw) {
    std::string pairs;
    for (const std::uint32_t value : raw) pairs += Le32(value);
    const std::string stream = test::Compress(pairs);
    return Le32(1) + Le32(16) + Le32(1) + Le32(0) + Le32(1) +
           Le32(static_cast<std::int64_t>(raw.size() / 2)) + Le32(first_id) + Le32(36) +
           Le32(static_cast<std::int64_t>(stream.size())) + stream;
}

TEST(SubNameIndex, CollectRefusesABlockThatBreaksTheOrderOfItsPairs) {
    SubNameIndex index;
    // Surname 4 at 10 and 13, surname 6 at 2.
    std::string member = OneBlock(4, {0, 10, 0, 3, 2, 2});
    ASSERT_TRUE(index.Open(ByteView(member)));
    EXPECT_EQ(Collect(&index, 0, {{1, 9}}), (std::vector<int>{2, 10, 13}));
    const std::vector<std::vector<std::uint32_t>> broken = {
        {0, 10, 0, 0},              // the same position twice
        {0, 10, 0xFFFFFFFFu, 3},    // an id step that goes round to a smaller id
        {0, 0xFFFFFFF0u, 0, 0x20},  // a position step that goes round
        {0, 10, 0, 3, 2},           // half a pair
    };
    for (std::size_t i = 0; i < broken.size(); ++i) {
        member = OneBlock(4, broken[i]);
        ASSERT_TRUE(index.Open(ByteView(member))) << i;
        EXPECT_EQ(Collect(&index, 0, {{1, 9}}), (std::vector<int>{-1})) << i;
    }
}

}  // namespace
}  // namespace vendarion
