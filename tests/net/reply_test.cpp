// Receiving and decoding replies from memory, in pieces of every size.
#include <gtest/gtest.h>

#include "net/internet_error.h"
#include "net/internet_format.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"
#include "net/reply_writer.h"
#include "reply_bytes.h"

namespace vendarion {
namespace {

using test::HttpReply;
using test::MemorySource;
using test::ReplyHeader;

struct Outcome {
    int code = -1;
    std::string text;
    InternetReply reply;
};

Outcome Exchange(std::string_view bytes, std::size_t chunk = SIZE_MAX, int final_error = 0) {
    MemorySource source(bytes, chunk, final_error);
    Outcome outcome;
    RawReply raw;
    outcome.code = ReceiveReply(source, &raw, &outcome.text);
    if (outcome.code == 0) outcome.code = DecodeReply(raw, &outcome.reply, &outcome.text);
    return outcome;
}

int Code(std::string_view bytes) { return Exchange(bytes).code; }

SubscriberEntry Entry(std::string_view name, int level, std::uint8_t flag) {
    SubscriberEntry entry;
    for (int i = 0; i < kEntryFieldCount; ++i) {
        entry.fields[static_cast<std::size_t>(i)] = std::string(name) + std::to_string(i);
    }
    entry.level = level;
    entry.flag = flag;
    return entry;
}

// A record of the given texts, each zero-terminated.
std::string Record(std::initializer_list<std::string_view> texts) {
    std::string data;
    for (std::string_view text : texts) {
        data += text;
        data.push_back('\0');
    }
    return data;
}

TEST(Reply, RecordsArriveWholeInPiecesOfEverySize) {
    const std::vector<SubscriberEntry> entries = {Entry("M\xfcller", 0, 0), Entry("A", 1, 1),
                                                  Entry("", 3, 0)};
    const std::string bytes = HttpReply(RecordsReplyBody(120, entries));
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{4096}, SIZE_MAX}) {
        const Outcome outcome = Exchange(bytes, chunk);
        ASSERT_EQ(outcome.code, 0) << chunk;
        EXPECT_EQ(outcome.reply.header.Total(), 120);
        EXPECT_EQ(outcome.reply.header.texts_per_record, 19u);
        ASSERT_EQ(outcome.reply.entries.size(), 3u);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(outcome.reply.entries[i].entry, entries[i]);
            EXPECT_EQ(outcome.reply.entries[i].extra, "");
        }
    }
}

TEST(Reply, TextsMapToFieldsLevelExtraAndFlag) {
    std::string data =
        Record({"n", "f", "1",  "2",  "3",  "4",         "5",         "h", "s",  "7", "t",
                "p", "a", "ph", "ca", "dn", " 2 levels", "seventeen", "5", "19", "20"});
    data += Record({"short", "x"});
    const Outcome outcome = Exchange(
        HttpReply(ReplyHeader(3, 2, 21, 1, static_cast<std::uint32_t>(data.size())) + data));
    ASSERT_EQ(outcome.code, 0);
    ASSERT_EQ(outcome.reply.entries.size(), 1u);
    const InternetEntry& record = outcome.reply.entries[0];
    EXPECT_EQ(record.entry[EntryField::kName], "n");
    EXPECT_EQ(record.entry[EntryField::kHeading], "h");
    EXPECT_EQ(record.entry[EntryField::kDisplayName], "dn");
    EXPECT_EQ(record.entry.level, 2);
    EXPECT_EQ(record.extra, "seventeen");
    EXPECT_EQ(record.entry.flag, 1);

    const std::string two = Record({"only", "two"});
    const Outcome few =
        Exchange(HttpReply(ReplyHeader(3, 1, 2, 1, static_cast<std::uint32_t>(two.size())) + two));
    ASSERT_EQ(few.code, 0);
    EXPECT_EQ(few.reply.entries[0].entry[EntryField::kFirstName], "two");
    EXPECT_EQ(few.reply.entries[0].entry[EntryField::kStreet], "");
    EXPECT_EQ(few.reply.entries[0].entry.level, 0);
}

TEST(Reply, LevelsAreReadLikeAtoiAndKeptInsideTheEntryLevels) {
    const std::pair<std::string_view, int> cases[] = {
        {"3", 3}, {"  +4x", 4}, {"", 0}, {"x5", 0}, {"-4", 0}, {"99999999999", 7}, {"8", 7}};
    for (const auto& [text, level] : cases) {
        std::string data(16, '\0');
        data += Record({text, "", "1"});
        const Outcome outcome = Exchange(
            HttpReply(ReplyHeader(3, 1, 19, 1, static_cast<std::uint32_t>(data.size())) + data));
        ASSERT_EQ(outcome.code, 0) << text;
        EXPECT_EQ(outcome.reply.entries[0].entry.level, level) << text;
        EXPECT_EQ(outcome.reply.entries[0].entry.flag, 1);
    }
}

TEST(Reply, HeaderLinesBelow1023BytesAreAccepted) {
    const std::string body = RecordsReplyBody(0, {});
    const std::string long_line = "X-Pad: " + std::string(1022 - 7, 'a');
    ASSERT_EQ(long_line.size(), 1022u);
    const std::string ok = "HTTP/1.0 200 OK\r\n" + long_line +
                           "\r\nContent-Type: application/vendarion\r\nContent-Length: 32\r\n\r\n" +
                           body;
    EXPECT_EQ(Code(ok), 0);
    const std::string too_long =
        "HTTP/1.0 200 OK\r\n" + long_line + "a\r\n" +
        "Content-Type: application/vendarion\r\nContent-Length: 32\r\n\r\n" + body;
    EXPECT_EQ(Code(too_long), 5);
    // A lone CR or LF does not end a line.
    EXPECT_EQ(Code("HTTP/1.0 200 OK\nContent-Type: application/vendarion\r\n"
                   "Content-Length: 32\r\n\r\n" +
                   body),
              8);
    EXPECT_EQ(Code(std::string(2000, '\r')), 5);
}

TEST(Reply, StatusOtherThan200EndsWithTheStatusAndItsLine) {
    const Outcome outcome = Exchange("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n");
    EXPECT_EQ(outcome.code, 404);
    EXPECT_EQ(outcome.text, "404 Not Found");
    EXPECT_EQ(InternetErrorText(outcome.code, outcome.text), "404 Not Found");
    EXPECT_EQ(Code("HTTP/1.1 503\r\n\r\n"), 503);
    // A status line without a status number cannot pass for success or for any of
    // the client's own codes.
    for (const char* line : {"HTTP/1.0\r\n\r\n", "HTTP/1.0 OK\r\n\r\n", "HTTP/1.0 7 x\r\n\r\n",
                             "HTTP/1.0 0\r\n\r\n", "HTTP/1.0 1000 x\r\n\r\n"}) {
        EXPECT_EQ(Code(line), 8) << line;
    }
}

TEST(Reply, ExactlyOneStatusTypeAndLengthLineAreRequired) {
    const std::string body = RecordsReplyBody(0, {});
    const std::string status = "HTTP/1.0 200 OK\r\n";
    const std::string type = "Content-Type: application/vendarion\r\n";
    const std::string length = "Content-Length: 32\r\n";
    EXPECT_EQ(Code(status + type + length + "\r\n" + body), 0);
    EXPECT_EQ(Code("hTtP/1.0 200 OK\r\ncontent-TYPE: x application/vendarion; y\r\n"
                   "CONTENT-length:32\r\nServer: any\r\n\r\n" +
                   body),
              0);
    EXPECT_EQ(Code(status + type + "\r\n" + body), 8);  // no length
    EXPECT_EQ(Code(status + length + "\r\n" + body), 8);
    EXPECT_EQ(Code(type + length + "\r\n" + body), 8);
    EXPECT_EQ(Code(status + type + length + length + "\r\n" + body), 8);
    EXPECT_EQ(Code(status + "Content-Type: text/html\r\n" + length + "\r\n" + body), 8);
    EXPECT_EQ(Code(status + "Content-Type: Application/Vendarion\r\n" + length + "\r\n" + body), 8);
    EXPECT_EQ(Code(status + type + "Content-Length: 31\r\n\r\n" + body), 8);
    EXPECT_EQ(Code(status + type + "Content-Length: -1\r\n\r\n" + body), 8);
}

TEST(Reply, AnEarlyEndAtEveryLengthIsAReceiveFailure) {
    const std::string bytes =
        HttpReply(RecordsReplyBody(2, std::vector{Entry("a", 0, 0), Entry("b", 1, 0)}));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_EQ(Code(std::string_view(bytes).substr(0, length)), 5) << length;
        EXPECT_EQ(Exchange(std::string_view(bytes).substr(0, length), 3, 10054).code, 10054)
            << length;
    }
}

TEST(Reply, AnAbsurdSizeIsRefusedBeforeAnyDataIsRead) {
    for (const std::uint32_t size : {0xffffffffu, internet_format::kMaxDataSize + 1}) {
        const std::string bytes = HttpReply(ReplyHeader(3, 1, 19, 1, size)) + "more";
        MemorySource source(bytes, 1);
        RawReply raw;
        std::string text;
        EXPECT_EQ(ReceiveReply(source, &raw, &text), 8);
        EXPECT_EQ(source.Consumed(), bytes.size() - 4);
        EXPECT_TRUE(raw.data.empty());
    }
    // A size that is allowed but not sent: the data grows only with what arrived.
    const std::string announced = HttpReply(ReplyHeader(3, 1, 19, 1, 60u << 20)) + "abc";
    MemorySource source(announced);
    RawReply raw;
    std::string text;
    EXPECT_EQ(ReceiveReply(source, &raw, &text), 5);
    EXPECT_LE(raw.data.capacity(), 8192u);
}

TEST(Reply, AServersTextsLoseControlsAndAreCutBeforeTheyAreShown) {
    const std::string hostile = "\x1B[31mrot\x1B]0;Titel\x07 \x9D" + std::string("ok\r\n", 4);
    Outcome outcome = Exchange(
        HttpReply(ReplyHeader(0, 2000, 0, 0, static_cast<std::uint32_t>(hostile.size() + 1)) +
                  hostile + std::string(1, '\0')));
    EXPECT_EQ(outcome.code, 2000);
    EXPECT_EQ(outcome.text, "[31mrot]0;Titel ok");

    const std::string long_text(60000, 'x');
    outcome = Exchange(HttpReply(ReplyHeader(0, 2000, 0, 0, 60001) + long_text + '\0'));
    EXPECT_EQ(outcome.text.size(), internet_format::kMaxReplyText);

    outcome = Exchange("HTTP/1.0 500 \x1B[2JKaputt\x08\r\n\r\n");
    EXPECT_EQ(outcome.code, 500);
    EXPECT_EQ(outcome.text, "500 [2JKaputt");

    // Record texts too: fields are cut at the length stored fields can have.
    const std::string data = Record({"Mei\x1B[1mer", std::string(5000, 'n'), "", "", "", "", "", "",
                                     "", "", "", "", "", "", "", "", "3", "", "0"});
    outcome = Exchange(
        HttpReply(ReplyHeader(3, 1, 19, 1, static_cast<std::uint32_t>(data.size())) + data));
    ASSERT_EQ(outcome.code, 0);
    ASSERT_EQ(outcome.reply.entries.size(), 1u);
    EXPECT_EQ(outcome.reply.entries[0].entry[EntryField::kName], "Mei[1mer");
    EXPECT_EQ(outcome.reply.entries[0].entry[EntryField::kFirstName].size(),
              internet_format::kMaxReplyText);
}

TEST(Reply, APageBringsNoMoreDataThanItsRowsNeedAndFewHeaderLines) {
    const std::uint32_t bound = internet_format::MaxPageData(50);
    EXPECT_LE(bound, 1u << 20);
    EXPECT_EQ(internet_format::MaxPageData(0), internet_format::MaxPageData(1000));
    for (const std::uint32_t size : {bound, bound + 1}) {
        const std::string bytes = HttpReply(ReplyHeader(3, 1, 19, 1, size));
        MemorySource source(bytes);
        RawReply raw;
        std::string text;
        EXPECT_EQ(ReceiveReply(source, bound, &raw, &text), size > bound ? 8 : 5) << size;
    }
    std::string lines = "HTTP/1.0 200 OK\r\n";
    for (int i = 0; i < 200; ++i) lines += "X-Filler: " + std::to_string(i) + "\r\n";
    EXPECT_EQ(Code(lines), 8);
}

TEST(Reply, MalformedRecordsAreAFormatError) {
    const std::string one = Record({"a", "b"});
    const auto reply = [](std::uint32_t kind, std::uint32_t texts, std::uint32_t records,
                          std::string_view data) {
        return HttpReply(
            ReplyHeader(kind, 1, texts, records, static_cast<std::uint32_t>(data.size())) +
            std::string(data));
    };
    EXPECT_EQ(Code(reply(3, 2, 1, one)), 0);
    EXPECT_EQ(Code(reply(3, 2, 1, std::string("a\0b", 3))), 8);  // no terminator at the end
    EXPECT_EQ(Code(reply(3, 2, 2, one)), 8);  // a second record that is not there
    EXPECT_EQ(Code(reply(3, 3, 1, one)), 8);  // a third text that is not there
    EXPECT_EQ(Code(reply(3, 0, 1, one)), 8);  // records without texts
    EXPECT_EQ(Code(reply(3, 0xffffffffu, 1, one)), 8);
    EXPECT_EQ(Code(reply(3, 1, 0xffffffffu, std::string(100, '\0'))), 8);
    EXPECT_EQ(Code(reply(3, 1, internet_format::kMaxRecords + 1,
                         std::string(internet_format::kMaxRecords + 1, '\0'))),
              8);
    EXPECT_EQ(Code(reply(3, 1, internet_format::kMaxRecords,
                         std::string(internet_format::kMaxRecords, '\0'))),
              0);
    EXPECT_EQ(Code(reply(1, 2, 1, one)), 8);  // another kind
    EXPECT_EQ(Code(reply(4, 2, 0, "")), 8);
}

TEST(Reply, NoRecordsOrNoDataSucceedEmpty) {
    for (const std::string& bytes :
         {HttpReply(RecordsReplyBody(0, {})), HttpReply(ReplyHeader(3, 5, 19, 0, 3) + "abc"),
          HttpReply(ReplyHeader(3, 5, 19, 4, 0))}) {
        const Outcome outcome = Exchange(bytes);
        EXPECT_EQ(outcome.code, 0);
        EXPECT_TRUE(outcome.reply.entries.empty());
    }
}

TEST(Reply, ErrorRepliesCarryTheServersCodeAndText) {
    Outcome outcome = Exchange(HttpReply(ErrorReplyBody(1234, "Zu viele Anfragen")));
    EXPECT_EQ(outcome.code, 1234);
    EXPECT_EQ(outcome.text, "Zu viele Anfragen");
    EXPECT_EQ(InternetErrorText(outcome.code, outcome.text), "Zu viele Anfragen");

    outcome = Exchange(HttpReply(ErrorReplyBody(13, "Zu viele Anfragen")));
    EXPECT_EQ(outcome.code, 13);
    EXPECT_EQ(InternetErrorText(outcome.code, outcome.text), InternetErrorText(13));

    outcome = Exchange(HttpReply(ReplyHeader(0, 2000, 0, 0, 5) + std::string("ab\0cd", 5)));
    EXPECT_EQ(outcome.code, 2000);
    EXPECT_EQ(outcome.text, "ab");
    outcome = Exchange(HttpReply(ReplyHeader(0, 2000, 0, 0, 3) + "abc"));  // no terminator
    EXPECT_EQ(outcome.text, "abc");
    outcome = Exchange(HttpReply(ReplyHeader(0, 2000, 0, 0, 0)));
    EXPECT_EQ(outcome.code, 2000);
    EXPECT_EQ(outcome.text, "");
    // An error reply that says "no error" is not a success.
    EXPECT_EQ(Code(HttpReply(ErrorReplyBody(0, "x"))), 8);
}

}  // namespace
}  // namespace vendarion
