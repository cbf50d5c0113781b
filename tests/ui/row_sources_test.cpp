#include <gtest/gtest.h>

#include "sample_data_set.h"
#include "store/data_set.h"
#include "support/temp_dir.h"
#include "ui/place_rows.h"
#include "ui/word_rows.h"

namespace vendarion {
namespace {

class RowSourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::WriteSampleDataSet(sample_, dir_.path()));
        ASSERT_EQ(data_.Open(dir_.path()), DataSetStep::kComplete);
    }

    test::TempDir dir_;
    test::SampleDataSet sample_ = test::MakeSampleDataSet();
    DataSet data_;
};

TEST_F(RowSourcesTest, TownsShowTheirOwnPostalCode) {
    PlaceRows towns(data_.Towns(), data_.Books().Books());
    ASSERT_EQ(towns.Count(), 9);
    EXPECT_EQ(towns.Text(0, 0), "Aachen");
    EXPECT_EQ(towns.Text(0, 1), "52062") << "the town's own code, not its book's";
    EXPECT_EQ(towns.Book(0), 2);
    EXPECT_EQ(towns.Text(0, 2), "");
    EXPECT_EQ(towns.Text(9, 0), "");
    EXPECT_EQ(towns.Book(9), -1);
    const int berlin = towns.FindRow("berl");
    EXPECT_EQ(towns.Text(berlin, 0), "Berlin");
    EXPECT_EQ(towns.Text(towns.FindRow("gross"), 0), "Gro\xDF-Gerau");
}

TEST_F(RowSourcesTest, AFilteredTownListHasOneRowPerBook) {
    PlaceRows towns(data_.Towns(), data_.Books().Books());
    towns.SetTownFilter({1, 2});
    EXPECT_TRUE(towns.Filtered());
    ASSERT_EQ(towns.Count(), 2);
    EXPECT_EQ(towns.Text(0, 0), "K\xF6ln");
    EXPECT_EQ(towns.Text(1, 1), "79379");
    EXPECT_EQ(towns.Book(1), 2);
    EXPECT_EQ(towns.FindRow("m\xFC"), 1);
    EXPECT_EQ(towns.FindRow("Berlin"), -1);
    towns.ClearTownFilter();
    EXPECT_EQ(towns.Count(), 9);
}

TEST_F(RowSourcesTest, CodesShowTheirTownWithoutTrailingBlanks) {
    PlaceRows postal(data_.PostalCodes(), data_.Books().Books());
    ASSERT_EQ(postal.Count(), 7);
    EXPECT_EQ(postal.Text(0, 0), "08056");
    EXPECT_EQ(postal.Text(0, 1), "Zwickau");
    EXPECT_EQ(postal.Book(0), 0);
    PlaceRows areas(data_.AreaCodes(), data_.Books().Books());
    const int row = areas.FindRow("0221");
    EXPECT_EQ(areas.Text(row, 0), "0221");
    EXPECT_EQ(areas.Text(row, 1), "K\xF6ln");
}

TEST_F(RowSourcesTest, SurnamesAndTheirBooks) {
    SurnameRows surnames(data_.NameIndex(), data_.Books());
    EXPECT_EQ(surnames.Count(), static_cast<int>(sample_.surnames.size()));
    EXPECT_EQ(surnames.Text(0, 0), sample_.surnames[0]);
    const int meier = surnames.FindRow("Meier");
    EXPECT_EQ(surnames.Text(meier, 0), "Meier");
    EXPECT_EQ(BooksWithSurname(data_.NameIndex(), data_.Books(), "meier"),
              (std::vector<int>{0, 1, 2}));
    // The last surnames of the sample occur in book 0 only.
    EXPECT_EQ(BooksWithSurname(data_.NameIndex(), data_.Books(), sample_.surnames.back()),
              std::vector<int>{0});
    EXPECT_TRUE(BooksWithSurname(data_.NameIndex(), data_.Books(), "Meie").empty());
    EXPECT_TRUE(BooksWithSurname(data_.NameIndex(), data_.Books(), "Zzz").empty());
}

TEST_F(RowSourcesTest, StreetsAndHeadingsOfOneBook) {
    RelationRows streets(data_.StreetIndex(), data_.Books());
    EXPECT_EQ(streets.Count(), 0) << "no book chosen";
    streets.SetBook(0);
    EXPECT_EQ(streets.Count(), 7);
    streets.SetBook(2);
    ASSERT_EQ(streets.Count(), 1);
    EXPECT_EQ(streets.Text(0, 0), sample_.streets[2]);
    RelationRows headings(data_.HeadingIndex(), data_.Books());
    headings.SetBook(1);
    EXPECT_EQ(headings.Count(), 0);
    headings.SetBook(0);
    EXPECT_EQ(headings.Count(), 5);
    EXPECT_EQ(headings.Text(headings.FindRow("fri"), 0), "Friseur");
}

}  // namespace
}  // namespace vendarion
