// subscribers.tsv read in two halves on two threads gives what reading it in one
// piece gives: the same records, word numbers and main entries, and the same error
// with the same line number wherever the bad line lies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "source_files.h"
#include "source_reader.h"
#include "support/temp_dir.h"

namespace vendarion::mkdata {
namespace {

constexpr std::uint64_t kWhole = UINT64_MAX;

std::vector<Book> DefaultBooks(const test::TempDir& dir) {
    test::SourceFiles files;
    files.WriteTo(dir.path());
    LineReader reader;
    std::vector<Book> books;
    EXPECT_TRUE(reader.Open(dir.File("books.tsv")) && ReadBooks(&reader, &books));
    return books;
}

std::string Line(int book, int level, const std::string& surname, const std::string& street,
                 int phone, const std::string& call_addition = {}) {
    return std::to_string(book) + "\t" + std::to_string(level) + "\t" + surname +
           "\tHans\t\t\t\t\t\t\t" + street + "\t1\t\t\t\t" + call_addition + "\t" +
           std::to_string(phone) + "\t0\t0\n";
}

// The line with its phone number made to start with 0, an error that keeps the file's
// size and so its split.
std::string WithBadPhone(std::string line) {
    std::size_t field = 0;
    for (int tabs = 0; tabs < 16; ++tabs) field = line.find('\t', field) + 1;
    line[field] = '0';
    return line;
}

// Groups of a main entry and up to five sub-entries in both books, with comments and
// blank lines between; the second half brings surnames and streets of its own.
std::vector<std::string> SubscriberLines() {
    std::mt19937 random(20261209);
    std::vector<std::string> lines = {"\xEF\xBB\xBF# subscribers\n"};
    for (int group = 0; group < 600; ++group) {
        const int book = static_cast<int>(random() % 2);
        const int pool = group < 300 ? 50 : 100;
        const auto word = [&](const char* stem) { return stem + std::to_string(random() % pool); };
        lines.push_back(Line(book, 0, word("M\xC3\xBCller"), word("Weg "), 1000 + group));
        const int subs = static_cast<int>(random() % 6);
        for (int s = 0; s < subs; ++s) {
            lines.push_back(Line(book, 1 + static_cast<int>(random() % 7), word("Sub"),
                                 word("Ring "), 5000 + group));
        }
        if (group % 97 == 0) {
            lines.push_back("\n");
            lines.push_back("# a comment\n");
        }
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

struct Read {
    bool ok = false;
    std::string error;
    SubscriberData data;
};

void ReadWith(const std::string& path, const std::vector<Book>& books, std::uint64_t split_from,
              Read* read) {
    read->ok = ReadSubscriberFile(path, books, split_from, &read->data, &read->error);
}

// The file read in two halves and in one piece.
void ReadBothWays(const std::string& path, const std::vector<Book>& books, Read* halves,
                  Read* whole) {
    ReadWith(path, books, 0, halves);
    ReadWith(path, books, kWhole, whole);
}

void ExpectSame(const Read& halves, const Read& whole) {
    ASSERT_EQ(halves.ok, whole.ok) << halves.error;
    EXPECT_EQ(halves.error, whole.error);
    if (!whole.ok) return;  // what was read before the error is dropped
    EXPECT_EQ(halves.data.records, whole.data.records);
    EXPECT_EQ(halves.data.main_starts, whole.data.main_starts);
    for (int d = 0; d < kDictionaryCount; ++d) {
        EXPECT_EQ(halves.data.words[d].Words(), whole.data.words[d].Words()) << d;
    }
}

TEST(SubscriberHalves, TwoHalvesReadAsOnePiece) {
    test::TempDir dir;
    const std::vector<Book> books = DefaultBooks(dir);
    const std::vector<std::string> lines = SubscriberLines();
    const std::string text = Joined(lines);
    const std::string path = dir.File("subscribers.tsv");
    test::WriteFile(path, text);
    // The split lies after the middle, before a main entry's line.
    const std::uint64_t split = MainEntrySplit(path, text.size());
    ASSERT_GT(split, text.size() / 2);
    EXPECT_EQ(text[split - 1], '\n');
    EXPECT_TRUE(text.substr(split).starts_with("0\t0\t") ||
                text.substr(split).starts_with("1\t0\t"));
    Read halves;
    Read whole;
    ReadBothWays(path, books, &halves, &whole);
    ASSERT_TRUE(whole.ok) << whole.error;
    ExpectSame(halves, whole);
    EXPECT_GT(whole.data.words[kSurnames].Size(), 150u);

    // A bad line early in the first half, as its last line, as the second half's first
    // line and near the end.
    const auto split_line = static_cast<std::size_t>(
        std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(split), '\n'));
    std::size_t last_of_first = split_line - 1;
    while (!std::isdigit(static_cast<unsigned char>(lines[last_of_first][0]))) --last_of_first;
    for (const std::size_t bad : {std::size_t{40}, last_of_first, split_line, lines.size() - 3}) {
        std::vector<std::string> damaged = lines;
        damaged[bad] = WithBadPhone(damaged[bad]);
        test::WriteFile(path, Joined(damaged));
        ASSERT_EQ(MainEntrySplit(path, text.size()), split);
        Read damaged_halves;
        Read damaged_whole;
        ReadBothWays(path, books, &damaged_halves, &damaged_whole);
        EXPECT_EQ(damaged_whole.error, path + ":" + std::to_string(bad + 1) +
                                           ": phone number must be digits not starting with 0, "
                                           "at most 2147483647");
        ExpectSame(damaged_halves, damaged_whole);
    }
}

// Each half holds 200 call additions, fewer than the 255 their one-byte numbers
// allow; together they hold 400, and the error is the one that reading in one piece
// gives, on the line of the 256th.
TEST(SubscriberHalves, ALimitThatOnlyBothHalvesPassIsReported) {
    test::TempDir dir;
    const std::vector<Book> books = DefaultBooks(dir);
    std::string text;
    for (int n = 0; n < 400; ++n) {
        text += Line(0, 0, "Abel", "Markt", 1 + n, "Zusatz " + std::to_string(n));
    }
    const std::string path = dir.File("subscribers.tsv");
    test::WriteFile(path, text);
    ASSERT_GT(MainEntrySplit(path, text.size()), 0u);
    Read halves;
    Read whole;
    ReadBothWays(path, books, &halves, &whole);
    EXPECT_EQ(whole.error, path + ":256: more than 255 different call addition texts");
    ExpectSame(halves, whole);
}

// Without a main entry after the middle, the file is read in one piece.
TEST(SubscriberHalves, NoMainEntryAfterTheMiddleReadsInOnePiece) {
    test::TempDir dir;
    const std::vector<Book> books = DefaultBooks(dir);
    std::string text = Line(0, 0, "Abel", "Markt", 1);
    for (int s = 0; s < 500; ++s) text += Line(0, 1, "Sub" + std::to_string(s), "Ring", 2 + s);
    const std::string path = dir.File("subscribers.tsv");
    test::WriteFile(path, text);
    EXPECT_EQ(MainEntrySplit(path, text.size()), 0u);
    Read halves;
    Read whole;
    ReadBothWays(path, books, &halves, &whole);
    ASSERT_TRUE(whole.ok) << whole.error;
    ExpectSame(halves, whole);
    EXPECT_EQ(whole.data.records.size(), 501u);
}

}  // namespace
}  // namespace vendarion::mkdata
