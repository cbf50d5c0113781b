#include "ui/list_spec.h"

#include <gtest/gtest.h>

#include "resources/string_table.h"

namespace vendarion {
namespace {

TEST(ListSpec, TitleAndColumnsOfTheSpecStrings) {
    const ListSpec names = ParseListSpec(LoadString(2104), "K\xF6ln");
    EXPECT_EQ(names.title, "Namen in K\xF6ln");
    ASSERT_EQ(names.columns.size(), 8u);
    EXPECT_EQ(names.columns[0].header, "Name");
    EXPECT_EQ(names.columns[0].width, 80);
    EXPECT_EQ(names.columns[3].header,
              "Stra\xDF"
              "e");
    EXPECT_EQ(names.columns[7].width, 90);
    const ListSpec search = ParseListSpec(LoadString(2101), "");
    EXPECT_EQ(search.title, "Suchen");
    EXPECT_TRUE(search.columns.empty());
}

TEST(ListSpec, AColumnWithoutWidthIsAHundredPixelsWide) {
    const ListSpec spec = ParseListSpec("T;A;B|;C|x;D|7", "");
    ASSERT_EQ(spec.columns.size(), 4u);
    EXPECT_EQ(spec.columns[0].width, kDefaultColumnWidth);
    EXPECT_EQ(spec.columns[1].width, kDefaultColumnWidth);
    EXPECT_EQ(spec.columns[2].width, kDefaultColumnWidth);
    EXPECT_EQ(spec.columns[3].width, 7);
}

TEST(ColumnWidths, SavedNumbersReplaceTheDefaultsOneByOne) {
    const std::vector<ListColumn> columns = {{"A", 10}, {"B", 20}, {"C", 30}};
    EXPECT_EQ(ColumnWidths(columns, ""), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(ColumnWidths(columns, "11,22,33,44"), (std::vector<int>{11, 22, 33}));
    EXPECT_EQ(ColumnWidths(columns, "11"), (std::vector<int>{11, 20, 30}));
    EXPECT_EQ(ColumnWidths(columns, "x,-5,0"), (std::vector<int>{10, 20, 0}));
    EXPECT_EQ(ColumnWidths(columns, "11,,33 "), (std::vector<int>{11, 20, 30}));
}

TEST(ColumnWidths, OnlyTheDefaultsFollowTheFontScale) {
    const std::vector<ListColumn> columns = {{"A", 55}, {"B", 80}, {"C", 30}};
    EXPECT_EQ(ColumnWidths(columns, "", 1.5), (std::vector<int>{83, 120, 45}));
    EXPECT_EQ(ColumnWidths(columns, "60,x", 1.5), (std::vector<int>{60, 120, 45}));
}

TEST(ColumnWidths, ANarrowedColumnLeavesTheSavedTextAndTheRestMoveUp) {
    EXPECT_EQ(SavedWidths({80, 0, 55}), "80,55");
    EXPECT_EQ(SavedWidths({0, 0}), "");
    EXPECT_EQ(SavedWidths({}), "");
    const std::vector<ListColumn> columns = {{"A", 10}, {"B", 20}, {"C", 30}};
    EXPECT_EQ(ColumnWidths(columns, SavedWidths({80, 0, 55})), (std::vector<int>{80, 55, 30}));
}

}  // namespace
}  // namespace vendarion
