// The directory search as the worker runs it: one book, several books merged, the
// 1000-line limit.
#include "search/directory_search.h"

#include <gtest/gtest.h>

#include "resources/string_table.h"
#include "search/result_line.h"
#include "search_harness.h"

namespace vendarion {
namespace {

using test::NameBook;
using test::NameEntry;
using test::SearchHarness;

NameEntry Main(std::string surname, std::string first_name) {
    return {std::move(surname), std::move(first_name)};
}
NameEntry Sub(std::string surname, int level) { return {std::move(surname), "", level}; }

// Three books of one city whose entries share names under different spellings:
// equal names give equal lines.
std::vector<NameBook> MergeBooks() {
    return {
        {"Aachen",
         {Main("Adler", "Karl"), Main("Becker", "Anna"), Sub("Labor", 1), Main("Zander", "Otto")},
         "Berlin",
         10115,
         30},
        {"Bonn",
         {Main("becker", "anna"), Sub("Praxis", 1), Sub("Praxis Nord", 2),
          Main("M\xFCller", "Eva")},
         "Berlin",
         10115,
         30},
        {"Celle",
         {Main("Mueller", "Eva"), Sub("Filiale", 1), Main("Abel", "Udo")},
         "Berlin",
         10115,
         30},
    };
}

TEST(DirectorySearch, SeveralTownsMergeByFoldedNameAndKeepSubEntriesUnderTheirMain) {
    SearchHarness h(MergeBooks());
    const int towns[] = {1, 0, 2};
    ASSERT_EQ(h.control().SetUpTownSet(towns), 3);
    h.inputs().list_type = ListType::kNames;
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    // Equal folded lines keep the order of the towns (Bonn before Aachen; Bonn's
    // Müller before Celle's Mueller); sub-entries stay under their main entry.
    const std::vector<std::string> expected = {"Abel",
                                               "Adler",
                                               "becker",
                                               "Praxis",
                                               "  Praxis Nord",
                                               "Becker",
                                               "Labor",
                                               "M\xFC"
                                               "ller",
                                               "Mueller",
                                               "Filiale",
                                               "Zander"};
    EXPECT_EQ(h.Column(0), expected);
    EXPECT_EQ(h.control().CountText(), "11 Namen wurden gefunden.");
}

TEST(DirectorySearch, SaysWhichTownOfTheSetItSearches) {
    // Bonn's four entries come first; the fifth line is Aachen's, the second town.
    SearchHarness h(MergeBooks(), 5);
    const int towns[] = {1, 0, 2};
    ASSERT_EQ(h.control().SetUpTownSet(towns), 3);
    h.inputs().list_type = ListType::kNames;
    EXPECT_EQ(h.control().SearchedTownIndex(), 0);
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    EXPECT_EQ(h.control().SearchedTownIndex(), 2);
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(h.control().SearchedTownIndex(), 0);
}

TEST(DirectorySearch, MergeOrderComesFromTheWholeLine) {
    // Different places: equal names are ordered by the rest of their lines, here the
    // area code (0200 + book) that precedes the town field.
    std::vector<NameBook> books = MergeBooks();
    for (NameBook& book : books) book = {book.town, book.entries};
    SearchHarness h(books);
    const int towns[] = {2, 1, 0};
    ASSERT_EQ(h.control().SetUpTownSet(towns), 3);
    h.inputs().list_type = ListType::kNames;
    h.inputs().texts.surname = "m";
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.Column(0), (std::vector<std::string>{"M\xFCller", "Mueller", "Filiale"}));
    EXPECT_EQ(h.Column(7), (std::vector<std::string>{"Bonn", "Celle", "Celle"}));
}

TEST(DirectorySearch, OneTownListsInTableOrder) {
    SearchHarness h(MergeBooks());
    ASSERT_EQ(test::SearchNames(h, 1, "", NameMode::kNormal, "a"), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.Column(0), (std::vector<std::string>{"becker", "Praxis", "  Praxis Nord"}));
    EXPECT_EQ(h.Column(10), (std::vector<std::string>{"", "1", "2"}));
}

// A book of n entries named "Meier" with distinct first names.
std::vector<NameBook> ManyMeiers(int n) {
    NameBook book{"Essen", {}};
    for (int i = 0; i < n; ++i)
        book.entries.push_back(Main("Meier", "V" + std::to_string(10000 + i)));
    return {book};
}

TEST(DirectorySearch, ExactlyAThousandHitsNeedNoMessage) {
    SearchHarness h(ManyMeiers(1000));
    ASSERT_EQ(test::SearchNames(h, 0, "meier", NameMode::kExact), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(h.control().Results().Count(), 1000);
    EXPECT_EQ(h.control().Results().Field(999, 1), "V10999");
}

TEST(DirectorySearch, TheThousandAndFirstHitStopsTheSearchWithTheMessage) {
    SearchHarness h(ManyMeiers(1001));
    ASSERT_EQ(test::SearchNames(h, 0, "meier", NameMode::kExact), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kLineLimitHit);
    EXPECT_EQ(h.control().Results().Count(), 1000);
    EXPECT_EQ(h.control().CountText(), "1000 Namen wurden gefunden.");
    EXPECT_EQ(std::string(LoadString(kLineLimitMessage)).substr(0, 24), "Es wurden mehr als 1000 ");
}

TEST(DirectorySearch, TheLimitAlsoStopsAMultiTownSearch) {
    std::vector<NameBook> books = ManyMeiers(600);
    books.push_back(books[0]);
    books[1].town = "Dortmund";
    SearchHarness h(books);
    const int towns[] = {0, 1};
    ASSERT_EQ(h.control().SetUpTownSet(towns), 2);
    h.inputs().list_type = ListType::kNames;
    h.inputs().texts.surname = "Meier";
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kLineLimitHit);
    EXPECT_EQ(h.control().Results().Count(), 1000);
}

TEST(DirectorySearch, ATextNoWordMatchesEndsAtOnceWithNoRows) {
    SearchHarness h(MergeBooks());
    ASSERT_EQ(test::SearchNames(h, 0, "Becker", NameMode::kNormal, "Zyx"), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(h.control().CountText(), "Es wurden keine Namen gefunden.");
}

}  // namespace
}  // namespace vendarion
