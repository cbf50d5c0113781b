#include "store/relation_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sample_data_set.h"
#include "store/data_set.h"
#include "store/name_to_books.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

class RelationIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::WriteSampleDataSet(sample_, dir_.path()));
        ASSERT_EQ(data_set_.Open(dir_.path()), DataSetStep::kComplete);
    }

    test::SampleDataSet sample_ = test::MakeSampleDataSet();
    test::TempDir dir_;
    DataSet data_set_;
};

TEST_F(RelationIndexTest, ListsTheStreetsOfABook) {
    const RelationIndex& streets = data_set_.StreetIndex();
    BookList& books = data_set_.Books();
    ASSERT_EQ(streets.Count(0), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(streets.Item(books, 0, i), sample_.streets[i]);
    EXPECT_EQ(streets.Item(books, 0, 7), "");
    EXPECT_EQ(streets.Count(3), 0) << "a book outside the index";
    // The first street at or after the prefix range of the text.
    const int kirch = streets.Find(books, 0, "kirch");
    ASSERT_GE(kirch, 0);
    EXPECT_EQ(streets.Item(books, 0, kirch), "Kirchweg");
    EXPECT_EQ(streets.Find(books, 0, "xyz"), -1);
}

TEST_F(RelationIndexTest, ABookWithOneStreetKeepsItInTheOffsetField) {
    const RelationIndex& streets = data_set_.StreetIndex();
    BookList& books = data_set_.Books();
    ASSERT_EQ(streets.Count(2), 1);
    EXPECT_EQ(streets.Item(books, 2, 0), sample_.streets[2]);
    // Any text with a prefix range gives position 0; the caller compares the item.
    EXPECT_EQ(streets.Find(books, 2, "Lind"), 0);
    EXPECT_EQ(streets.Find(books, 2, "Qu"), -1);
}

TEST_F(RelationIndexTest, ABookWithoutHeadingsFindsNothing) {
    const RelationIndex& headings = data_set_.HeadingIndex();
    BookList& books = data_set_.Books();
    EXPECT_EQ(headings.Count(1), 0);
    EXPECT_EQ(headings.Find(books, 1, "\xC4rzte"), -1);
    ASSERT_GT(headings.Count(0), 1);
    EXPECT_EQ(headings.Item(books, 0, headings.Find(books, 0, "aerz")), "\xC4rzte");
}

TEST_F(RelationIndexTest, NameToBooksListsTheBooksOfASurname) {
    const NameToBooks& names = data_set_.NameIndex();
    BookList& books = data_set_.Books();
    const int meier = names.Find(books, "meier");
    ASSERT_GE(meier, 0);
    EXPECT_EQ(names.Name(books, meier), "Meier");
    ASSERT_EQ(names.BookCount(meier), 3);
    std::vector<std::int16_t> out;
    EXPECT_EQ(names.Books(meier, 0, 2, &out), 3);
    EXPECT_EQ(out, (std::vector<std::int16_t>{0, 1, 2}));
    out.clear();
    EXPECT_EQ(names.Books(meier, 1, 3, &out), 0) << "last beyond the count";
    EXPECT_EQ(names.Books(meier, 2, 1, &out), 0);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(names.Find(books, "Mei"), meier) << "the lower bound of a prefix";
    EXPECT_EQ(names.Find(books, "zzz"), -1);
}

TEST_F(RelationIndexTest, ASurnameInOneBookKeepsTheBookInTheOffsetField) {
    const NameToBooks& names = data_set_.NameIndex();
    BookList& books = data_set_.Books();
    const std::string& last = sample_.surnames.back();
    const int entry = names.Find(books, last);
    ASSERT_GE(entry, 0);
    EXPECT_EQ(names.Name(books, entry), last);
    ASSERT_EQ(names.BookCount(entry), 1);
    std::vector<std::int16_t> out;
    EXPECT_EQ(names.Books(entry, 0, 0, &out), 1);
    EXPECT_EQ(out, std::vector<std::int16_t>{0});
}

}  // namespace
}  // namespace vendarion
