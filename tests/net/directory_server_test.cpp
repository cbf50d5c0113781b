// The directory server's answers over the tests' sample data set: which books a
// search covers, pages and totals, and the error replies.
#include "net/directory_server.h"

#include <gtest/gtest.h>

#include <thread>

#include "base/cp1252.h"
#include "net/form_decoder.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"
#include "reply_bytes.h"
#include "sample_data_set.h"
#include "store/entry_decoder.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

struct Answer {
    int code = -1;
    std::string text;  // UTF-8
    std::int32_t total = 0;
    std::vector<SubscriberEntry> entries;
};

Answer Decode(const std::string& body) {
    const std::string bytes = test::HttpReply(body);
    test::MemorySource source(bytes);
    RawReply raw;
    InternetReply reply;
    Answer answer;
    std::string text;
    answer.code = ReceiveReply(source, &raw, &text);
    if (answer.code == 0) answer.code = DecodeReply(raw, &reply, &text);
    answer.text = Cp1252ToUtf8(text);
    answer.total = reply.header.Total();
    for (InternetEntry& entry : reply.entries) answer.entries.push_back(std::move(entry.entry));
    return answer;
}

class DirectoryServerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::WriteSampleDataSet(data_, dir_.path()));
        ASSERT_EQ(data_set_.Open(dir_.path()), DataSetStep::kComplete);
    }

    Answer Ask(const std::string& form, const ServerLimits& limits = {}) {
        return Decode(DirectoryServer(data_set_, limits).Answer(Utf8ToCp1252(form)));
    }

    // Every page of the search, joined.
    std::vector<SubscriberEntry> AllPages(const std::string& form, int per_page,
                                          std::int32_t* total) {
        std::vector<SubscriberEntry> all;
        for (int page = 0;; ++page) {
            const Answer answer =
                Ask(form + "&n=" + std::to_string(per_page) + "&p=" + std::to_string(page));
            EXPECT_EQ(answer.code, 0);
            if (page == 0) *total = answer.total;
            EXPECT_EQ(answer.total, *total);
            if (answer.entries.empty()) return all;
            EXPECT_LE(answer.entries.size(), static_cast<std::size_t>(per_page));
            all.insert(all.end(), answer.entries.begin(), answer.entries.end());
        }
    }

    // Every page of the search up to the first empty one, through the server.
    static std::vector<Answer> PageByPage(DirectoryServer& server, const std::string& form,
                                          int per_page) {
        std::vector<Answer> pages;
        for (int page = 0;; ++page) {
            pages.push_back(Decode(server.Answer(Utf8ToCp1252(
                form + "&n=" + std::to_string(per_page) + "&p=" + std::to_string(page)))));
            if (pages.back().entries.empty()) return pages;
        }
    }

    // The phone numbers of the records of a surname, in table order.
    std::vector<std::string> PhonesOf(std::string_view surname, int book = -1) {
        std::vector<std::string> phones;
        for (const test::TableRecord& r : data_.records) {
            if (data_.surnames[r.surname - 1] != surname || (book >= 0 && r.book != book)) continue;
            FormatPhoneNumber(r.phone, r.extension, &phones.emplace_back());
        }
        return phones;
    }

    static std::vector<std::string> Phones(const std::vector<SubscriberEntry>& entries) {
        std::vector<std::string> phones;
        for (const SubscriberEntry& entry : entries)
            phones.push_back(entry[EntryField::kPhoneNumber]);
        return phones;
    }

    test::SampleDataSet data_ = test::MakeSampleDataSet();
    test::TempDir dir_;
    DataSet data_set_;
};

TEST_F(DirectoryServerTest, ExactNameAcrossTheCountryPageByPage) {
    std::int32_t total = 0;
    const std::vector<SubscriberEntry> all = AllPages("l=meier&y=1", 50, &total);
    const std::vector<std::string> expected = PhonesOf("Meier");
    EXPECT_EQ(total, static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(Phones(all), expected);
    for (const SubscriberEntry& entry : all) EXPECT_EQ(entry[EntryField::kName], "Meier");
    // Berlin's entries (with Spandau's) come first, then Köln's, then Müllheim's;
    // sub-entries keep their level.
    EXPECT_EQ(all.front()[EntryField::kTown], "Spandau");
    EXPECT_EQ(all.back()[EntryField::kTown], "M\xfcllheim");
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](auto& e) { return e.level == 2; }));
}

TEST_F(DirectoryServerTest, TownPostalCodeAndAreaCodeNameTheBooks) {
    const std::vector<std::string> koeln = PhonesOf("Meier", 1);
    for (const char* place : {"c=K%F6ln", "c=koeln", "c=+K%F6LN+", "c=Porz", "z=50667", "z=51143",
                              "a=0221", "a=02203", "c=Gro%DF-Gerau", "c=k%F6ln&z=5&a=022"}) {
        const Answer answer = Ask(std::string("l=Meier&y=1&n=1000&") + place);
        EXPECT_EQ(answer.code, 0) << place;
        EXPECT_EQ(Phones(answer.entries), koeln) << place;
    }
    // A code that is no whole code names every book it begins.
    std::vector<std::string> books_1_and_2 = koeln;
    for (const std::string& phone : PhonesOf("Meier", 2)) books_1_and_2.push_back(phone);
    EXPECT_EQ(Phones(Ask("l=Meier&y=1&n=1000&a=02").entries), books_1_and_2);
    EXPECT_EQ(Phones(Ask("l=Meier&y=1&n=1000&c=M").entries), PhonesOf("Meier", 2));
    // Places of different books have no book in common.
    const Answer none = Ask("l=Meier&c=Berlin&z=50667");
    EXPECT_EQ(none.code, 0);
    EXPECT_EQ(none.total, 0);
    EXPECT_TRUE(none.entries.empty());
}

TEST_F(DirectoryServerTest, AnUnknownPlaceIsAnErrorReply) {
    Answer answer = Ask("l=Meier&c=Nirgendwo");
    EXPECT_EQ(answer.code, 1004);
    EXPECT_EQ(answer.text, "Der Ort \"Nirgendwo\" ist nicht bekannt.");
    answer = Ask("l=Meier&c=K%F6ln&z=99");
    EXPECT_EQ(answer.code, 1004);
    EXPECT_EQ(answer.text, "Die Postleitzahl \"99\" ist nicht bekannt.");
    EXPECT_EQ(Ask("l=Meier&a=0999").text, "Die Vorwahl \"0999\" ist nicht bekannt.");
}

TEST_F(DirectoryServerTest, RequestsItCannotAnswer) {
    Answer answer = Ask("c=K%F6ln&z=50667&a=0221");
    EXPECT_EQ(answer.code, 1002);
    EXPECT_EQ(answer.text, "Nicht genug Eingaben für die Suche über Internet!");
    answer = Ask("l=Meier&v=2");
    EXPECT_EQ(answer.code, 1005);
    EXPECT_EQ(answer.text, "Diese Version der Anfrage wird nicht unterstützt.");
    answer = Ask("l=Mei%er");
    EXPECT_EQ(answer.code, 1001);
    EXPECT_EQ(answer.text, "Die Anfrage konnte nicht gelesen werden.");
    EXPECT_EQ(Decode(ServerErrorReply(server_error::kNoData)).text,
              "Die Verzeichnisdaten des Servers sind nicht verfügbar.");
}

TEST_F(DirectoryServerTest, NameModesFirstNameStreetAndHeading) {
    Answer answer = Ask("l=Mair&x=1&n=1000");
    EXPECT_EQ(answer.code, 0);
    std::set<std::string> names;
    for (const SubscriberEntry& entry : answer.entries) names.insert(entry[EntryField::kName]);
    EXPECT_EQ(names, (std::set<std::string>{"Mayer", "Meier", "Mohrer"}));

    // Normal mode: every surname that begins with the text.
    names.clear();
    for (const SubscriberEntry& entry : Ask("l=Schm&c=Porz&n=1000").entries) {
        names.insert(entry[EntryField::kName]);
    }
    EXPECT_EQ(names, (std::set<std::string>{"Schmidt"}));

    answer = Ask("f=Anna&s=Kirchweg&c=Berlin&n=1000");
    ASSERT_FALSE(answer.entries.empty());
    for (const SubscriberEntry& entry : answer.entries) {
        if (entry.level > 0) continue;
        EXPECT_EQ(entry[EntryField::kFirstName], "Anna");
        EXPECT_EQ(entry[EntryField::kStreet], "Kirchweg");
    }
    answer = Ask("d=friseur&a=030&n=1000");
    ASSERT_FALSE(answer.entries.empty());
    EXPECT_EQ(Ask("d=friseur&c=K%F6ln").total, 0);  // Köln has no headings
    EXPECT_EQ(Ask("l=Zzz").total, 0);
}

TEST_F(DirectoryServerTest, TheWalkStopsPastThePageAndTheFirstCountsBeyondTheList) {
    const ServerLimits limits{10, 40, 5, 8};
    Answer answer = Ask("f=Anna", limits);  // far more than 40 hits
    EXPECT_EQ(answer.total, 11);            // more than the 10 a client lists
    EXPECT_EQ(answer.entries.size(), 5u);   // the default page size
    answer = Ask("f=Anna&n=100&p=1", limits);
    EXPECT_EQ(answer.entries.size(), 8u);  // the largest page size
    EXPECT_EQ(answer.total, 17);           // one past the end of the page
    answer = Ask("f=Anna&n=8&p=0", limits);
    EXPECT_EQ(answer.total, 11);
    answer = Ask("f=Anna&n=8&p=2", limits);
    EXPECT_EQ(answer.total, 25);
    answer = Ask("f=Anna&n=8&p=4", limits);
    EXPECT_EQ(answer.entries.size(), 8u);
    EXPECT_EQ(answer.total, 40);
    answer = Ask("f=Anna&n=8&p=5", limits);  // beyond the most hits served
    EXPECT_TRUE(answer.entries.empty());
    EXPECT_EQ(answer.total, 40);
    answer = Ask("f=Anna&n=8&p=2147483647", limits);
    EXPECT_TRUE(answer.entries.empty());
    // The first pages of a small limit are the first hits of an unlimited search.
    const std::vector<SubscriberEntry> first = Ask("f=Anna&n=16").entries;
    EXPECT_EQ(Phones(Ask("f=Anna&n=8&p=1", limits).entries),
              Phones({first.begin() + 8, first.end()}));
    // A search with fewer hits than the limit counts them all.
    EXPECT_EQ(Ask("l=Meier&y=1&c=M%FCllheim", limits).total,
              static_cast<std::int32_t>(PhonesOf("Meier", 2).size()));
}

// Queries of every kind: one town, the whole country, phonetic, more hits than the
// limits below let a walk count.
const char* const kPagedQueries[] = {"l=meier&y=1", "l=Mair&x=1", "f=Anna&c=Berlin",
                                     "f=Anna",      "s=Kirchweg", "l=Schm&c=Porz"};
// Small limits keep the pages searched afresh few.
constexpr ServerLimits kSmallLimits{100, 300, 50, 1000};

void ExpectSamePages(const std::vector<Answer>& got, const std::vector<Answer>& expected,
                     const std::string& what) {
    ASSERT_EQ(got.size(), expected.size()) << what;
    for (std::size_t page = 0; page < got.size(); ++page) {
        EXPECT_EQ(got[page].code, 0) << what << " page " << page;
        EXPECT_EQ(got[page].total, expected[page].total) << what << " page " << page;
        EXPECT_EQ(got[page].entries, expected[page].entries) << what << " page " << page;
    }
}

TEST_F(DirectoryServerTest, PagesGoingOnFromTheCacheAreThePagesSearchedAfresh) {
    CursorCache cache(CacheLimits{});
    DirectoryServer cached(data_set_, OwnReaders(data_set_), kSmallLimits, &cache);
    DirectoryServer fresh(data_set_, kSmallLimits);
    for (const char* query : kPagedQueries) {
        for (const int per_page : {1, 7, 50}) {
            const std::string what = std::string(query) + " n=" + std::to_string(per_page);
            ExpectSamePages(PageByPage(cached, query, per_page), PageByPage(fresh, query, per_page),
                            what);
        }
    }
    // Pages out of order: a walk past the page asked for is not used.
    for (const char* page : {"&p=3", "&p=1", "&p=2", "&p=2", "&p=0", "&p=5"}) {
        const std::string form = std::string("s=Kirchweg&n=9") + page;
        const Answer answer = Decode(cached.Answer(form));
        const Answer expected = Ask(form, kSmallLimits);
        EXPECT_EQ(answer.total, expected.total) << page;
        EXPECT_EQ(Phones(answer.entries), Phones(expected.entries)) << page;
    }
    EXPECT_GT(cache.Entries(), 0u);
}

TEST_F(DirectoryServerTest, ThePagesAfterTheFirstNeedNoSearch) {
    // The first page counts on to the 1001st hit; the next pages come from the walk
    // even with a cap that would not let them search from the start.
    CursorCache cache(CacheLimits{});
    ServerLimits tight;
    DirectoryServer cached(data_set_, OwnReaders(data_set_), tight, &cache);
    const Answer first = Decode(cached.Answer("s=Kirchweg&n=50"));
    ASSERT_EQ(first.total, 1001);
    tight.max_visits = 0;
    DirectoryServer capped(data_set_, OwnReaders(data_set_), tight, &cache);
    const Answer second = Decode(capped.Answer("s=Kirchweg&n=50&p=1"));
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.entries, Ask("s=Kirchweg&n=50&p=1").entries);
    EXPECT_EQ(Decode(capped.Answer("s=Kirchweg&n=50&p=3")).code, 0);
    EXPECT_EQ(Decode(capped.Answer("s=Kirchweg&n=50&p=0")).code, server_error::kTooMuchWork);
}

TEST_F(DirectoryServerTest, ARequestOverTheWorkCapIsAnErrorReply) {
    ServerLimits limits;
    limits.max_visits = 20'000;
    Answer answer = Ask("f=Anna&n=1000", limits);  // reads every book
    EXPECT_EQ(answer.code, 1006);
    EXPECT_EQ(answer.text,
              "Die Suche ist zu umfangreich. Bitte verfeinern Sie Ihre Suchkriterien.");
    EXPECT_TRUE(answer.entries.empty());
    // A walk that reached the cap is not kept; a small search passes.
    CursorCache cache(CacheLimits{});
    DirectoryServer server(data_set_, OwnReaders(data_set_), limits, &cache);
    EXPECT_EQ(Decode(server.Answer("f=Anna&n=1000")).code, 1006);
    EXPECT_EQ(cache.Entries(), 0u);
    EXPECT_EQ(Decode(server.Answer("l=Meier&y=1&c=M%FCllheim")).code, 0);
    // The time part of the cap.
    limits = ServerLimits{};
    limits.max_time = std::chrono::milliseconds(0);
    EXPECT_EQ(Ask("l=Meier&y=1", limits).code, 1006);
}

TEST_F(DirectoryServerTest, ServersOnTheirOwnThreadsShareOneCache) {
    CursorCache cache(CacheLimits{});
    DirectoryServer fresh(data_set_, kSmallLimits);
    std::vector<std::vector<Answer>> expected;
    for (const char* query : kPagedQueries) expected.push_back(PageByPage(fresh, query, 7));
    std::vector<std::vector<Answer>> got[2];
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t) {
        threads.emplace_back([this, &cache, &got, t] {
            ThreadReaders readers;
            if (!readers.Open(data_set_)) return;
            DirectoryServer server(data_set_, readers.View(), kSmallLimits, &cache);
            for (const char* query : kPagedQueries) got[t].push_back(PageByPage(server, query, 7));
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 2; ++t) {
        ASSERT_EQ(got[t].size(), expected.size());
        for (std::size_t q = 0; q < expected.size(); ++q) {
            ExpectSamePages(got[t][q], expected[q], kPagedQueries[q]);
        }
    }
}

}  // namespace
}  // namespace vendarion
