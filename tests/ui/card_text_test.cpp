#include "ui/card_text.h"

#include <gtest/gtest.h>

#include <map>

namespace vendarion {
namespace {

CellReader Cells(std::map<int, std::string> cells) {
    return [cells](int column) {
        const auto found = cells.find(column);
        return found == cells.end() ? std::string() : found->second;
    };
}

TEST(CardText, EntryWithCallAdditionShowsItBeforeTheNumberInsteadOfAfter) {
    const std::vector<std::string> card = EntryCard(Cells({{2, "\xC4rzte"},
                                                           {3, "Hauptstr.  5"},
                                                           {4, "089"},
                                                           {5, "1234567  (Praxis)"},
                                                           {6, "80331"},
                                                           {7, "M\xFCnchen"},
                                                           {8, "Dr. Anna Meier "},
                                                           {9, "Praxis"}}));
    ASSERT_EQ(card.size(), 3u);
    EXPECT_EQ(card[0], "Dr. Anna Meier");
    EXPECT_EQ(card[1], "\xC4rzte");
    EXPECT_EQ(card[2], "Hauptstr.  5\n80331 M\xFCnchen\nPraxis: (089) 1234567");
}

TEST(CardText, EntryLinesAreLeftOutWhenTheirFieldsAreEmpty) {
    EXPECT_EQ(EntryCard(Cells({{5, "1234"}}))[2], "1234");
    EXPECT_EQ(EntryCard(Cells({{6, "10115"}, {5, "1"}}))[2], "10115 \n1");
    EXPECT_EQ(EntryCard(Cells({{7, "Berlin"}, {4, "030"}}))[2], "Berlin\n(030) ");
    // Without a call addition the number keeps whatever it shows.
    EXPECT_EQ(EntryCard(Cells({{5, "1  (x)"}}))[2], "1  (x)");
}

TEST(CardText, BlanksAloneMakeNoLine) {
    // An entry without a street shows two blanks in the street column.
    const std::vector<std::string> card = EntryCard(
        Cells({{2, " "}, {3, "  "}, {5, "12345"}, {6, "10115"}, {7, "Berlin"}, {8, " "}}));
    EXPECT_EQ(card[0], "");
    EXPECT_EQ(card[1], "");
    EXPECT_EQ(card[2], "10115 Berlin\n12345");
}

TEST(CardText, BankAndCountryCards) {
    const auto bank =
        BankCard(Cells({{0, "37050198"}, {1, "Sparkasse"}, {2, "50667"}, {3, "K\xF6ln"}}));
    EXPECT_EQ(bank, (std::vector<std::string>{"Sparkasse", "50667 K\xF6ln", "BLZ: 37050198"}));
    EXPECT_EQ(CountryCard(Cells({{0, "Schweiz"}, {1, "0041"}})),
              (std::vector<std::string>{"Schweiz", "(0041)"}));
}

}  // namespace
}  // namespace vendarion
