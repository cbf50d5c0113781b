// Starting, cancelling and restarting searches through the control, and the choice
// between the worker and the whole book.
#include "search/search_control.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "search_harness.h"
#include "support/memory_settings.h"

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

// A directory server of 120 Meiers, 50 to a page, that can fail on a chosen page.
class PagedClient final : public InternetClient {
public:
    bool Connect(std::string_view, std::string_view, int, bool) override {
        ++connects;
        return connects > failed_connects;
    }
    bool NextPage(const InternetQuery& query, int page, InternetPage* out) override {
        queries.push_back(query);
        if (page == failing_page) return false;
        *out = {};
        for (int n = page * 50; n < std::min(120, (page + 1) * 50); ++n) {
            SubscriberEntry entry;
            entry[EntryField::kName] = "Meier";
            entry[EntryField::kPhoneNumber] = std::to_string(n);
            out->entries.push_back(entry);
        }
        out->has_entries = !out->entries.empty();
        out->count = static_cast<int>(out->entries.size());
        out->total = 120;
        return true;
    }
    std::string ErrorText() const override { return "Verbindung abgelehnt"; }
    int ErrorCode() const override { return 10061; }
    void Abort() override { ++aborts; }

    int connects = 0;
    int failed_connects = 0;
    int failing_page = -1;
    int aborts = 0;
    std::vector<InternetQuery> queries;
};

// Attaches the client with complete settings and chooses a surname in the Internet
// list.
void StartInternetSearches(SearchHarness& h, InternetClient& client,
                           test::MemorySettings& settings) {
    ASSERT_TRUE(settings.WriteText("InternetServer", "127.0.0.1"));
    ASSERT_TRUE(settings.WriteText("InternetURL", "/q"));
    ASSERT_TRUE(settings.WriteNumber("InternetPort", 8080));
    h.control().AttachInternet(client, settings);
    h.inputs().list_type = ListType::kInternet;
    h.inputs().texts.surname = "Meier";
}

TEST(SearchControl, TheInternetSearchNeedsAClientInputsAndSettings) {
    SearchHarness h(Books());
    h.inputs().list_type = ListType::kInternet;
    h.inputs().texts.surname = "Meier";
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kUnavailable);
    PagedClient client;
    test::MemorySettings settings;
    h.control().AttachInternet(client, settings);
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kNoInternetSettings);
    ASSERT_TRUE(settings.WriteText("InternetServer", "127.0.0.1"));
    ASSERT_TRUE(settings.WriteText("InternetURL", "/cgi-bin/QueryCgi"));
    ASSERT_TRUE(settings.WriteNumber("InternetPort", 8080));
    h.inputs().texts.surname.clear();
    h.inputs().town_text = "Essen";
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kTooFewInternetInputs);
    h.inputs().texts.surname = "Meier";
    client.failed_connects = 1;
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kInternetConnectFailed);
    EXPECT_EQ(h.control().InternetFailureText(), "Verbindung abgelehnt");
    EXPECT_FALSE(h.control().SearchOutstanding());
    // The next search connects again, and only once.
    h.inputs().name_mode = NameMode::kPhonetic;
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    EXPECT_EQ(client.connects, 2);
    ASSERT_EQ(client.queries.size(), 3u);  // 120 hits, 50 to a page
    EXPECT_EQ(client.queries[0].town, "Essen");
    EXPECT_TRUE(client.queries[0].phonetic);
    EXPECT_FALSE(client.queries[0].exact);
    EXPECT_EQ(h.control().Results().Count(), 120);
    EXPECT_EQ(h.control().CountText(), "120 Namen wurden gefunden.");
    EXPECT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    h.Drive();
    EXPECT_EQ(client.connects, 2);
}

TEST(SearchControl, AFailedInternetPageKeepsTheRowsOfEarlierPages) {
    SearchHarness h(Books());
    PagedClient client;
    client.failing_page = 1;
    test::MemorySettings settings;
    StartInternetSearches(h, client, settings);
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    EXPECT_EQ(h.Drive(), FinishOutcome::kInternetFailed);
    EXPECT_EQ(h.control().InternetFailureText(), "Verbindung abgelehnt");
    EXPECT_EQ(h.control().Results().Count(), 50);
    EXPECT_FALSE(h.control().CancelSearch());
    EXPECT_EQ(client.aborts, 0);
}

TEST(SearchControl, CancellingAnInternetSearchAbortsTheTransfer) {
    SearchHarness h(Books(), /*gate=*/10);
    PagedClient client;
    test::MemorySettings settings;
    StartInternetSearches(h, client, settings);
    ASSERT_EQ(h.control().StartSearch(), StartOutcome::kWorker);
    ASSERT_TRUE(h.queue().WaitReached());
    EXPECT_TRUE(h.control().CancelSearch());
    EXPECT_EQ(client.aborts, 1);
    h.queue().Release();
    EXPECT_EQ(h.Drive(), FinishOutcome::kDone);
    // The page in hand is walked to its end with its lines refused; no further page.
    EXPECT_EQ(h.control().Results().Count(), 10);
    EXPECT_EQ(client.queries.size(), 1u);
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
