// Starting, cancelling and restarting searches through the control, and the choice
// between the worker and the whole book.
#include "search/search_control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "search_harness.h"

namespace vendarion {
namespace {

using test::NameBook;
using test::NameEntry;
using test::SearchHarness;
using test::SearchNames;

// Book 0: 40 Meiers and 40 Beckers, each with a sub-entry; book 1: a few others.
std::vector<NameBook> Books() {
    NameBook essen{"Essen", {}};
    for (int i = 0; i < 40; ++i) {
        const std::string first = "V" + std::to_string(100 + i);
        essen.entries.push_back({"Meier", first});
        essen.entries.push_back({"Meier", "", 1});
        essen.entries.push_back({"Becker", first});
        essen.entries.push_back({"Becker", "", 1});
    }
    NameBook bonn{"Bonn", {{"Abel", "Anna"}, {"Zahn", "Otto"}, {"Zahn", "", 1}, {"Zahn", "", 2}}};
    return {essen, bonn};
}

TEST(SearchControl, ASurnameAloneInNormalModeShowsTheWholeBookAtTheName) {
    SearchHarness h(Books());
    EXPECT_EQ(SearchNames(h, 0, "mei"), StartOutcome::kWholeBook);
    EXPECT_FALSE(h.control().SearchOutstanding());
    ListRows& rows = h.control().Rows();
    EXPECT_EQ(rows.Shown(), ListRows::Source::kBook);
    ASSERT_EQ(rows.Count(), 160);
    EXPECT_EQ(h.control().PositionedRow(), 80);  // after the 40 Beckers and their subs
    EXPECT_EQ(rows.Text(80, 0), "Meier");
    EXPECT_EQ(rows.Text(80, 1), "V100");
    EXPECT_EQ(h.control().CountText(), "160 Namen sind vorhanden.");
    // Nothing typed: the whole book from its top; a name after every entry: its end.
    EXPECT_EQ(SearchNames(h, 1, ""), StartOutcome::kWholeBook);
    EXPECT_EQ(h.control().PositionedRow(), 0);
    EXPECT_EQ(h.control().Rows().Text(0, 0), "Abel");
    EXPECT_EQ(SearchNames(h, 1, "Zz"), StartOutcome::kWholeBook);
    EXPECT_EQ(h.control().PositionedRow(), 3);
}

TEST(SearchControl, EveryOtherInputGoesToTheWorker) {
    SearchHarness h(Books());
    EXPECT_EQ(SearchNames(h, 0, "Meier", NameMode::kExact), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.control().Results().Count(), 80);
    EXPECT_EQ(SearchNames(h, 0, "", NameMode::kPhonetic, "V10"), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.control().Results().Count(), 40);  // V100-V109 of both names, with subs
    h.inputs().texts = {"Meier", "", "", "Friseur"};
    h.inputs().name_mode = NameMode::kNormal;
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.control().Rows().Shown(), ListRows::Source::kResults);
    EXPECT_EQ(h.control().CountText(), "Es wurden keine Namen gefunden.");
    // No town chosen: nothing to search.
    EXPECT_EQ(SearchNames(h, -1, "Meier", NameMode::kExact), StartOutcome::kNothing);
}

TEST(SearchControl, SeveralTownsAlwaysUseTheWorker) {
    SearchHarness h(Books());
    const int marked[] = {1, 0, 1, -3, 99999};
    EXPECT_EQ(h.control().SetUpTownSet(marked), 2);  // repeats and unknown books left out
    EXPECT_EQ(h.control().Towns().Books(), (std::vector<int>{1, 0}));
    EXPECT_EQ(SearchNames(h, -1, "Zahn"), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.control().Results().Count(), 3);
    // One town left: the set is inactive and the town's own book is shown.
    const int one[] = {1, 1};
    EXPECT_EQ(h.control().SetUpTownSet(one), 1);
    EXPECT_FALSE(h.control().Towns().Active());
    EXPECT_EQ(SearchNames(h, 1, "Zahn"), StartOutcome::kWholeBook);
}

TEST(SearchControl, CancellingKeepsTheRowsFoundSoFar) {
    SearchHarness h(Books(), /*gate=*/5);
    ASSERT_EQ(SearchNames(h, 0, "", NameMode::kNormal, "V1"), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    EXPECT_TRUE(h.control().CancelSearch());
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(h.control().Results().Count(), 5);
    EXPECT_EQ(h.control().CountText(), "5 Namen wurden gefunden.");
    EXPECT_FALSE(h.control().CancelSearch());  // nothing runs any more
}

TEST(SearchControl, AStartDuringASearchCancelsItAndRestartsAfterItsEnd) {
    SearchHarness h(Books(), /*gate=*/3);
    ASSERT_EQ(SearchNames(h, 0, "Meier", NameMode::kExact), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    // The user types a first name while the search runs.
    h.inputs().texts = {"Becker", "V101", "", ""};
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kDeferred);
    EXPECT_TRUE(h.control().SearchOutstanding());
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    // Only the new search's rows: Becker V101 with its sub-entry.
    EXPECT_EQ(h.control().Results().Count(), 2);
    EXPECT_EQ(h.control().Results().Field(0, 0), "Becker");
    EXPECT_EQ(h.control().Results().Field(0, 1), "V101");
}

TEST(SearchControl, CancellingAlsoDropsAPendingRestart) {
    SearchHarness h(Books(), /*gate=*/3);
    ASSERT_EQ(SearchNames(h, 0, "Meier", NameMode::kExact), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    h.inputs().texts.surname = "Becker";
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kDeferred);
    EXPECT_TRUE(h.control().CancelSearch());
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(h.control().Results().Count(), 3);
    EXPECT_EQ(h.control().Results().Field(0, 0), "Meier");
}

TEST(SearchControl, ARestartForAnotherListIsDropped) {
    SearchHarness h(Books(), /*gate=*/1);
    ASSERT_EQ(SearchNames(h, 0, "Meier", NameMode::kExact), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kDeferred);
    h.inputs().list_type = ListType::kStreets;  // the user went to another list
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_FALSE(h.control().SearchOutstanding());
}

TEST(SearchControl, ANewNameModeSearchesAgainOnlyWhenItMatters) {
    SearchHarness h(Books());
    EXPECT_EQ(SearchNames(h, 1, "Zahn"), StartOutcome::kWholeBook);
    // Still Normal and no search run in the list: nothing to do.
    EXPECT_EQ(h.control().NameModeChanged(), StartOutcome::kNothing);
    h.inputs().name_mode = NameMode::kNameParts;
    EXPECT_EQ(h.control().NameModeChanged(), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(h.control().Results().Count(), 3);
    // Back to Normal after a search: the whole book again.
    h.inputs().name_mode = NameMode::kNormal;
    EXPECT_EQ(h.control().NameModeChanged(), StartOutcome::kWholeBook);
    h.inputs().list_type = ListType::kBankCodes;
    EXPECT_EQ(h.control().NameModeChanged(), StartOutcome::kNothing);
}

TEST(SearchControl, TheInternetSearchIsNotAvailableYet) {
    SearchHarness h(Books());
    h.inputs().list_type = ListType::kInternet;
    h.inputs().texts.surname = "Meier";
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kUnavailable);
    EXPECT_FALSE(h.control().SearchOutstanding());
}

// The user-interface thread reads rows (of the result list and of a whole book, with
// the data set's own book list) while the worker searches with its own.
TEST(SearchControl, RowsAreReadWhileTheWorkerSearches) {
    SearchHarness h(Books());
    ListRows book_rows(h.data_set().Books(), h.control().Results());
    book_rows.ShowBook(0);
    const int towns[] = {0, 1};
    ASSERT_EQ(h.control().SetUpTownSet(towns), 2);
    h.inputs().list_type = ListType::kNames;
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    int reads = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (h.control().Results().Count() < 164 && std::chrono::steady_clock::now() < deadline) {
        const int count = h.control().Results().Count();
        if (count > 0) {
            EXPECT_FALSE(h.control().Rows().Text(count - 1, 7).empty());
        }
        EXPECT_FALSE(book_rows.Text(reads % 160, 0).empty());
        ++reads;
        std::this_thread::yield();
    }
    h.Drive();
    EXPECT_EQ(h.control().CountText(), "164 Namen wurden gefunden.");
}

}  // namespace
}  // namespace vendarion
