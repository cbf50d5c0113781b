// The Internet search job and its start, against a scripted client and against the
// socket client talking to a scripted server.
#include "search/internet_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "net/reply_writer.h"
#include "net/socket_internet_client.h"
#include "reply_bytes.h"
#include "scripted_server.h"
#include "search/result_line.h"
#include "search/search_event_queue.h"
#include "search/search_worker.h"
#include "support/memory_settings.h"

namespace vendarion {
namespace {

SubscriberEntry Numbered(int n) {
    SubscriberEntry entry;
    entry[EntryField::kName] = "Meier";
    entry[EntryField::kPhoneNumber] = std::to_string(1000 + n);
    entry[EntryField::kCallAddition] = "Fax";
    return entry;
}

// Pages of numbered entries: per_page of them while the total lasts, each reply
// announcing the total; or the failure planned for a page.
class ScriptedClient final : public InternetClient {
public:
    ScriptedClient(int total, int per_page) : total_(total), per_page_(per_page) {}

    bool Connect(std::string_view, std::string_view, int, bool without_cgi) override {
        ++connects_;
        without_cgi_ = without_cgi;
        return connect_result_;
    }
    bool NextPage(const InternetQuery&, int page, InternetPage* out) override {
        pages_.push_back(page);
        if (page == failing_page_) return false;
        *out = {};
        for (int n = page * per_page_; n < std::min(total_, (page + 1) * per_page_); ++n) {
            out->entries.push_back(Numbered(n));
        }
        out->has_entries = !out->entries.empty();
        out->count = static_cast<int>(out->entries.size());
        out->total = page == 0 ? total_ : later_total_;
        return true;
    }
    std::string ErrorText() const override { return "Fehler " + std::to_string(error_code_); }
    int ErrorCode() const override { return error_code_; }
    void Abort() override {}

    std::vector<int> pages_;
    int connects_ = 0;
    bool without_cgi_ = false;
    bool connect_result_ = true;
    int failing_page_ = -1;
    int error_code_ = 0;
    int later_total_ = 0;

private:
    int total_;
    int per_page_;
};

struct SearchRun {
    int rows = 0;
    std::string first_line;
    bool hit_limit = false;
    InternetFailure failure;
};

SearchRun Search(InternetClient& client) {
    ResultList results;
    SearchEventQueue queue;
    InternetFailure failure;
    SearchRun run;
    {
        SearchWorker worker(results, queue);
        worker.SetJob(SearchEvent::kInternet, [&](SearchWorker& running) {
            RunInternetSearch(running, client, InternetQuery{}, &failure);
        });
        worker.Signal(SearchEvent::kInternet);
        while (queue.Wait() != SearchEventQueue::Event::kFinished) {
        }
        run.hit_limit = worker.HitLineLimit();
    }
    run.rows = results.Count();
    run.first_line = results.Line(0);
    run.failure = failure;
    return run;
}

TEST(InternetSearch, A120HitSearchTakesThreePagesOf50) {
    ScriptedClient client(120, 50);
    const SearchRun run = Search(client);
    EXPECT_EQ(run.rows, 120);
    EXPECT_EQ(client.pages_, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(run.first_line, SubscriberResultLine(Numbered(0), HitSource::kInternet));
    EXPECT_EQ(ResultField(run.first_line, 5), "1000");  // without the call addition
    EXPECT_EQ(run.failure.code, 0);
}

TEST(InternetSearch, TheTotalComesFromTheFirstPageWithEntries) {
    ScriptedClient client(60, 50);
    client.later_total_ = 1000;
    EXPECT_EQ(Search(client).rows, 60);
    EXPECT_EQ(client.pages_, (std::vector<int>{0, 1}));
}

TEST(InternetSearch, APageWithoutEntriesEndsTheSearch) {
    ScriptedClient none(0, 50);
    EXPECT_EQ(Search(none).rows, 0);
    EXPECT_EQ(none.pages_, (std::vector<int>{0}));
    ScriptedClient short_of_total(70, 50);
    short_of_total.later_total_ = 0;
    // The server announced 70 but the second page brings 20, the third none.
    EXPECT_EQ(Search(short_of_total).rows, 70);
}

TEST(InternetSearch, AFailureKeepsTheEarlierPagesAndShowsItsTextUnlessAborted) {
    ScriptedClient client(200, 50);
    client.failing_page_ = 2;
    client.error_code_ = 404;
    SearchRun run = Search(client);
    EXPECT_EQ(run.rows, 100);
    EXPECT_EQ(run.failure.code, 404);
    EXPECT_EQ(run.failure.text, "Fehler 404");
    EXPECT_TRUE(run.failure.Shown());
    client.pages_.clear();
    client.error_code_ = InternetClient::kAbortedError;
    run = Search(client);
    EXPECT_EQ(run.failure.code, 7);
    EXPECT_FALSE(run.failure.Shown());
}

TEST(InternetSearch, MoreThanAThousandHitsStopAtTheListLimit) {
    ScriptedClient client(5000, 50);
    const SearchRun run = Search(client);
    EXPECT_EQ(run.rows, 1000);
    EXPECT_TRUE(run.hit_limit);
    EXPECT_EQ(client.pages_.size(), 21u);  // the 21st page brought the refused line
    ScriptedClient exactly(1000, 50);
    EXPECT_FALSE(Search(exactly).hit_limit);
}

TEST(PrepareInternetSearch, RefusesTooFewInputsAndMissingSettingsAndConnectsOnce) {
    test::MemorySettings settings;
    ScriptedClient client(0, 50);
    bool connected = false;
    InternetQuery query;
    query.town = "K\xf6ln";
    query.postal_code = "50667";
    query.area_code = "0221";
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query),
              InternetStart::kTooFewInputs);
    query.street = "Hauptstr.";
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query),
              InternetStart::kNoSettings);
    ASSERT_TRUE(settings.WriteText("InternetServer", "directory.example"));
    ASSERT_TRUE(settings.WriteText("InternetURL", "/cgi-bin/QueryCgi"));
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query),
              InternetStart::kNoSettings);  // port 0
    ASSERT_TRUE(settings.WriteNumber("InternetPort", 80));
    client.connect_result_ = false;
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query),
              InternetStart::kConnectFailed);
    EXPECT_FALSE(connected);
    client.connect_result_ = true;
    ASSERT_TRUE(settings.WriteNumber("OperateWithoutCGI", 1));
    query.records_per_page = 0;
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query), InternetStart::kReady);
    EXPECT_TRUE(connected);
    EXPECT_TRUE(client.without_cgi_);
    EXPECT_EQ(query.records_per_page, 50);
    ASSERT_TRUE(settings.WriteNumber("InternetRecPerPage", 20));
    EXPECT_EQ(PrepareInternetSearch(settings, client, &connected, &query), InternetStart::kReady);
    EXPECT_EQ(query.records_per_page, 20);
    EXPECT_EQ(client.connects_, 2);  // the failed try and the first success
}

// The socket client behind the job, against a server that answers pages of 50 out of
// 120 entries, or that stalls on the second page.
test::ScriptedServer::Script Pages(bool stall_on_second) {
    return [stall_on_second](test::ScriptedServer& server, test::ScriptedServer::Connection& c) {
        const bool second = c.request.find("&p=1&") != std::string::npos;
        const bool third = c.request.find("&p=2&") != std::string::npos;
        if (second && stall_on_second) {
            server.Mark();
            server.Stall(c);
            return;
        }
        const int first = second ? 50 : third ? 100 : 0;
        std::vector<SubscriberEntry> entries;
        for (int n = first; n < std::min(first + 50, 120); ++n) entries.push_back(Numbered(n));
        test::ScriptedServer::Send(c, test::HttpReply(RecordsReplyBody(120, entries)));
    };
}

TEST(InternetSearchOverSockets, PagesThroughTheServer) {
    test::ScriptedServer server(Pages(false));
    SocketInternetClient client;
    ASSERT_TRUE(client.Connect("127.0.0.1", "/cgi-bin/QueryCgi", server.Port(), false));
    const SearchRun run = Search(client);
    EXPECT_EQ(run.rows, 120);
    EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(InternetSearchOverSockets, CancellingDuringTheSecondPageKeepsTheFirst) {
    test::ScriptedServer server(Pages(true));
    SocketInternetClient client;
    ASSERT_TRUE(client.Connect("127.0.0.1", "/q", server.Port(), false));
    ResultList results;
    SearchEventQueue queue;
    InternetFailure failure;
    SearchWorker worker(results, queue);
    worker.SetJob(SearchEvent::kInternet, [&](SearchWorker& running) {
        RunInternetSearch(running, client, InternetQuery{}, &failure);
    });
    worker.Signal(SearchEvent::kInternet);
    ASSERT_TRUE(server.WaitForMarks(1));
    const auto cancelled = std::chrono::steady_clock::now();
    worker.Cancel();  // as the window's CancelSearch does
    client.Abort();
    while (queue.Wait() != SearchEventQueue::Event::kFinished) {
    }
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(1));
    EXPECT_EQ(results.Count(), 50);
    EXPECT_EQ(failure.code, 7);
    EXPECT_FALSE(failure.Shown());
    // The next search is not aborted by the last one's cancellation.
    test::ScriptedServer next(Pages(false));
    ASSERT_TRUE(client.Connect("127.0.0.1", "/q", next.Port(), false));
    EXPECT_EQ(Search(client).rows, 120);
}

}  // namespace
}  // namespace vendarion
