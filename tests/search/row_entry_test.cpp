#include "search/row_entry.h"

#include <gtest/gtest.h>

#include <utility>

namespace vendarion {
namespace {

TEST(EntryFromRow, TakesTheDisplayedCellsTrimmed) {
    const std::string_view cells[] = {
        " Meier ", "Hans",         "",       "Hauptstr.  5", "0221", "123456  (Praxis)", "50679",
        "K\xF6ln", " Meier Hans ", "Praxis", " 3 "};
    SubscriberEntry entry;
    ASSERT_TRUE(EntryFromRow(cells, &entry));
    EXPECT_EQ(entry[EntryField::kName], "Meier");
    EXPECT_EQ(entry[EntryField::kStreet], "Hauptstr.  5");
    EXPECT_EQ(entry[EntryField::kHouseNumber], "");
    EXPECT_EQ(entry[EntryField::kPhoneNumber], "123456  (Praxis)");
    EXPECT_EQ(entry[EntryField::kTown], "K\xF6ln");
    EXPECT_EQ(entry[EntryField::kPostalCode], "50679");
    EXPECT_EQ(entry[EntryField::kDisplayName], "Meier Hans");
    EXPECT_EQ(entry[EntryField::kCallAddition], "Praxis");
    EXPECT_EQ(entry.level, 3);
    EXPECT_EQ(entry.flag, 0);

    std::string_view odd[] = {"", "", "", "", "", "", "", "", "", "", ""};
    for (const auto& [text, level] : {std::pair{"", 0}, {"x1", 0}, {"99999999999", 0x7FFFFFFF}}) {
        odd[10] = text;
        ASSERT_TRUE(EntryFromRow(odd, &entry));
        EXPECT_EQ(entry.level, level) << text;
    }
    EXPECT_FALSE(EntryFromRow(std::span(cells).first(10), &entry));
}

}  // namespace
}  // namespace vendarion
