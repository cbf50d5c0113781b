// The cells of whole-book rows and result rows, and the entries they give back.
#include "search/list_rows.h"

#include <gtest/gtest.h>

#include "search/result_list.h"
#include "search/row_entry.h"
#include "search_harness.h"

namespace vendarion {
namespace {

using test::NameEntry;

std::vector<test::NameBook> Book() {
    NameEntry main{"Meier", "Hans", 0, "Kirchweg", "12", "Friseur", 0, 4711};
    NameEntry praxis{"Meier", "", 1, "Kirchweg", "3a", "", 3, 4712};
    NameEntry labor{"Labor", "", 2, "", "", "", 1, 4713};
    NameEntry deep{"Filiale", "", 3};
    return {{"K\xF6ln", {main, praxis, labor, deep}}};
}

TEST(ListRows, WholeBookRowsFollowTheCellRules) {
    test::OpenedDataSet data(test::MakeNamesDataSet(Book()));
    ResultList results;
    ListRows rows(data.data_set().Books(), results);
    rows.ShowBook(0);
    ASSERT_EQ(rows.Count(), 4);
    // Main entry: street, two blanks, house number; level column empty.
    EXPECT_EQ(rows.Text(0, 0), "Meier");
    EXPECT_EQ(rows.Text(0, 2), "Friseur");
    EXPECT_EQ(rows.Text(0, 3), "Kirchweg  12");
    EXPECT_EQ(rows.Text(0, 4), "0200");
    EXPECT_EQ(rows.Text(0, 5), "4711");
    EXPECT_EQ(rows.Text(0, 6), "10000");
    EXPECT_EQ(rows.Text(0, 7), "K\xF6ln");
    EXPECT_EQ(rows.Text(0, 8), "Hans Meier ");
    EXPECT_EQ(rows.Text(0, 10), "");
    // Level 1 is not indented; the call addition follows the number in parentheses.
    EXPECT_EQ(rows.Text(1, 0), "Meier");
    EXPECT_EQ(rows.Text(1, 5), "4712  (Praxis)");
    EXPECT_EQ(rows.Text(1, 9), "Praxis");
    EXPECT_EQ(rows.Text(1, 10), "1");
    // Deeper levels are indented by two blanks a level below the first.
    EXPECT_EQ(rows.Text(2, 0), "  Labor");
    EXPECT_EQ(rows.Text(2, 3), "  ");
    EXPECT_EQ(rows.Text(3, 0), "    Filiale");
    EXPECT_EQ(rows.Text(3, 10), "3");
    // Outside the list: empty cells, no entry.
    EXPECT_EQ(rows.Text(4, 0), "");
    EXPECT_EQ(rows.Text(-1, 0), "");
    EXPECT_EQ(rows.Text(0, 11), "");
    SubscriberEntry entry;
    EXPECT_FALSE(rows.Entry(4, &entry));
}

TEST(ListRows, AResultRowAndABookRowGiveTheSameEntry) {
    test::SearchHarness h(Book());
    ASSERT_EQ(test::SearchNames(h, 0, "", NameMode::kNormal, "H"), StartOutcome::kWorker);
    h.Drive();
    ASSERT_EQ(h.control().Results().Count(), 4);
    ListRows book(h.data_set().Books(), h.control().Results());
    book.ShowBook(0);
    for (int row = 0; row < 4; ++row) {
        SubscriberEntry from_result;
        SubscriberEntry from_book;
        ASSERT_TRUE(h.control().Rows().Entry(row, &from_result));
        ASSERT_TRUE(book.Entry(row, &from_book));
        EXPECT_EQ(from_result, from_book) << row;
    }
    SubscriberEntry entry;
    ASSERT_TRUE(book.Entry(1, &entry));
    // As displayed: the indentation dropped, street and number joined, the call
    // addition beside the number; blanks trimmed.
    EXPECT_EQ(entry[EntryField::kName], "Meier");
    EXPECT_EQ(entry[EntryField::kStreet], "Kirchweg  3a");
    EXPECT_EQ(entry[EntryField::kHouseNumber], "");
    EXPECT_EQ(entry[EntryField::kPhoneNumber], "4712  (Praxis)");
    EXPECT_EQ(entry[EntryField::kCallAddition], "Praxis");
    EXPECT_EQ(entry.level, 1);
    ASSERT_TRUE(book.Entry(3, &entry));
    EXPECT_EQ(entry[EntryField::kName], "Filiale");
    EXPECT_EQ(entry[EntryField::kStreet], "");
    EXPECT_EQ(entry.level, 3);
}

TEST(RowEntry, OnlySubscriberLinesCarryAnEntry) {
    SubscriberEntry entry;
    EXPECT_FALSE(
        EntryFromResultLine("10010010\x01Postbank\x01"
                            "10559\x01"
                            "Berlin",
                            &entry));
    EXPECT_FALSE(EntryFromResultLine("", &entry));
    EXPECT_TRUE(EntryFromResultLine("a\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01", &entry));
    EXPECT_EQ(entry[EntryField::kName], "a");
    EXPECT_EQ(entry.level, 0);
}

}  // namespace
}  // namespace vendarion
