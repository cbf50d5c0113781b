#include "search/result_line.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

SubscriberEntry Entry(int level, const char* call_addition) {
    SubscriberEntry entry;
    entry[EntryField::kName] = "Meier";
    entry[EntryField::kFirstName] = "Hans";
    entry[EntryField::kHeading] = "";
    entry[EntryField::kStreet] = "Hauptstr.";
    entry[EntryField::kHouseNumber] = "12a";
    entry[EntryField::kAreaCode] = "089";
    entry[EntryField::kPhoneNumber] = "1234567";
    entry[EntryField::kPostalCode] = "80331";
    entry[EntryField::kTown] = "M\xFCnchen";
    entry[EntryField::kDisplayName] = "Hans Meier ";
    entry[EntryField::kCallAddition] = call_addition;
    entry.level = level;
    return entry;
}

TEST(ResultLine, MainEntryEndsWithTheSeparator) {
    const std::string line = SubscriberResultLine(Entry(0, "Praxis"), HitSource::kDirectory);
    EXPECT_EQ(line,
              "Meier\x01Hans\x01\x01Hauptstr.  12a\x01"
              "089\x01"
              "1234567  (Praxis)\x01"
              "80331\x01M\xFCnchen\x01Hans Meier \x01Praxis\x01");
    EXPECT_TRUE(IsMainEntryLine(line));
    EXPECT_EQ(ResultField(line, 5), "1234567  (Praxis)");
    EXPECT_EQ(ResultField(line, 9), "Praxis");
    EXPECT_EQ(ResultField(line, 10), "");
    EXPECT_EQ(ResultField(line, 11), "");
}

TEST(ResultLine, SubEntriesCarryTheirLevelAndIndentation) {
    const std::string level1 = SubscriberResultLine(Entry(1, ""), HitSource::kDirectory);
    EXPECT_EQ(ResultField(level1, 0), "Meier");
    EXPECT_EQ(level1.back(), '1');
    EXPECT_FALSE(IsMainEntryLine(level1));
    const std::string level3 = SubscriberResultLine(Entry(3, ""), HitSource::kDirectory);
    EXPECT_EQ(ResultField(level3, 0), "    Meier");
    EXPECT_EQ(ResultField(level3, 10), "3");
    EXPECT_EQ(ResultField(level3, 5), "1234567");
}

TEST(ResultLine, LevelsBeyondTheDeepestIndentNoFurther) {
    // Levels a damaged store or table could carry: the indentation stays that of the
    // deepest level instead of asking for gigabytes of blanks.
    for (const int level : {8, 1744830463, 0x7FFFFFFF, -5, -0x7FFFFFFF - 1}) {
        const std::string line = SubscriberResultLine(Entry(level, ""), HitSource::kDirectory);
        EXPECT_LE(ResultField(line, 0).size(), std::string("Meier").size() + 12) << level;
        EXPECT_EQ(ResultField(line, 0).substr(ResultField(line, 0).find_first_not_of(' ')),
                  "Meier");
    }
}

TEST(ResultLine, InternetHitsKeepThePlainNumber) {
    const std::string line = SubscriberResultLine(Entry(0, "Fax"), HitSource::kInternet);
    EXPECT_EQ(ResultField(line, 5), "1234567");
    EXPECT_EQ(ResultField(line, 9), "Fax");
}

TEST(ResultLine, BankAndCountryLines) {
    const std::string bank = BankResultLine("10010010", "Postbank", "10559", "Berlin");
    EXPECT_EQ(bank,
              "10010010\x01Postbank\x01"
              "10559\x01"
              "Berlin");
    EXPECT_EQ(ResultField(bank, 3), "Berlin");
    EXPECT_EQ(CountryResultLine("Frankreich", "0033"),
              "Frankreich\x01"
              "0033");
}

}  // namespace
}  // namespace vendarion
