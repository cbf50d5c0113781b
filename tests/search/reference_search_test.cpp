// The bank code and foreign code searches.
#include "search/reference_search.h"

#include <gtest/gtest.h>

#include "search_harness.h"

namespace vendarion {
namespace {

using test::SearchHarness;

test::SampleDataSet Banks() {
    test::SampleDataSet data = test::MakeNamesDataSet({{"Essen", {{"Meier", "Anna"}}}});
    data.banks = {{"10010010", "Postbank", "10559", "Berlin"},
                  {"85050300",
                   "Osts\xE4"
                   "chsische Sparkasse Dresden",
                   "01067", "Dresden"},
                  {"37050198", "Sparkasse K\xF6lnBonn", "50667", "K\xF6ln"},
                  {"85090000", "Volksbank", "01099", "DRESDEN"},
                  {"50010060", "Volksbank Dresden-Bautzen", "02625", "Bautzen"},
                  {"12030000", "Deutsche Kreditbank", "10117", "Berlin"}};
    return data;
}

StartOutcome SearchBanks(SearchHarness& h, const std::string& text) {
    h.inputs().list_type = ListType::kBankCodes;
    h.inputs().bank_text = text;
    return h.control().StartSearch();
}

TEST(ReferenceSearch, BankTextIsFoundInNameTownCodeAndPostalCode) {
    SearchHarness h(Banks());
    ASSERT_EQ(SearchBanks(h, "dresden"), StartOutcome::kWorker);
    h.Drive();
    // Found in the name, in the town (any case), in a name again: table order.
    EXPECT_EQ(h.Column(0), (std::vector<std::string>{"85050300", "85090000", "50010060"}));
    EXPECT_EQ(h.control().CountText(), "3 Bankleitzahlen wurden gefunden.");
    const std::string line = h.control().Results().Line(1);
    EXPECT_EQ(line,
              "85090000\x01Volksbank\x01"
              "01099\x01"
              "DRESDEN");

    ASSERT_EQ(SearchBanks(h, "010"), StartOutcome::kWorker);
    h.Drive();
    // Codes 10010010 and 50010060, postal codes 01067 and 01099.
    EXPECT_EQ(h.Column(0),
              (std::vector<std::string>{"10010010", "85050300", "85090000", "50010060"}));
    ASSERT_EQ(SearchBanks(h, "k\xF6ln"), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.Column(1), (std::vector<std::string>{"Sparkasse K\xF6lnBonn"}));
    EXPECT_EQ(h.control().CountText(), "Eine Bankleitzahl wurde gefunden.");
}

TEST(ReferenceSearch, AnEmptyTextShowsTheWholeTableWithoutTheWorker) {
    SearchHarness h(Banks());
    ASSERT_EQ(SearchBanks(h, "dresden"), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(SearchBanks(h, ""), StartOutcome::kWholeTable);
    EXPECT_FALSE(h.control().SearchOutstanding());
    ListRows& rows = h.control().Rows();
    EXPECT_EQ(rows.Shown(), ListRows::Source::kTable);
    ASSERT_EQ(rows.Count(), 6);
    EXPECT_EQ(rows.Text(2, 0), "37050198");
    EXPECT_EQ(rows.Text(2, 1), "Sparkasse K\xF6lnBonn");
    EXPECT_EQ(rows.Text(2, 2), "50667");
    EXPECT_EQ(rows.Text(2, 3), "K\xF6ln");
    EXPECT_EQ(rows.Text(2, 4), "");
    EXPECT_EQ(rows.Text(6, 0), "");
    SubscriberEntry entry;
    EXPECT_FALSE(rows.Entry(2, &entry));
    EXPECT_EQ(h.control().CountText(), "6 Bankleitzahlen sind vorhanden.");

    h.inputs().list_type = ListType::kCountryCodes;
    h.inputs().country_text = "";
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kWholeTable);
    EXPECT_EQ(rows.Count(), 4);
    EXPECT_EQ(rows.Text(1, 0), "\xD6sterreich");
    EXPECT_EQ(rows.Text(1, 1), "0043");
    EXPECT_EQ(h.control().CountText(), "4 Auslandsvorwahlen sind vorhanden.");
}

TEST(ReferenceSearch, CountriesAreFoundByNameCodeAndMark) {
    SearchHarness h(Banks());
    h.inputs().list_type = ListType::kCountryCodes;
    for (const auto& [text, expected] :
         {std::pair<std::string, std::vector<std::string>>{"SCHW",
                                                           {"Schweiz\x01"
                                                            "0041"}},
          {"0043",
           {"\xD6sterreich\x01"
            "0043"}},
          {"ch",
           {"Deutschland\x01"
            "0049",
            "\xD6sterreich\x01"
            "0043",
            "Schweiz\x01"
            "0041",
            "Frankreich\x01"
            "0033"}},
          {"xyz", {}}}) {
        h.inputs().country_text = text;
        ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
        h.Drive();
        EXPECT_EQ(h.Column(0).size(), expected.size()) << text;
        for (std::size_t r = 0; r < expected.size(); ++r) {
            EXPECT_EQ(h.control().Results().Line(static_cast<int>(r)), expected[r]) << text;
        }
    }
    EXPECT_EQ(h.control().CountText(), "Es wurden keine  Auslandsvorwahlen gefunden.");
}

}  // namespace
}  // namespace vendarion
