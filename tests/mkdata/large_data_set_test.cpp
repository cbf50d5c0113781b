// A few hundred thousand entries over hundreds of books, compiled with small blocks
// and read back: positioning, dictionary lookups and the name-to-books index agree
// with the decoded table.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "data_compiler.h"
#include "source_files.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

constexpr int kBooks = 300;
constexpr int kEntries = 200000;

std::string Sources(test::SourceFiles* files) {
    const char* syllables[] = {"m\xC3\xBC", "ll", "er",  "sch",      "mi",
                               "dt",        "we", "ber", "\xC3\x9F", "ka"};
    std::mt19937 random(5);
    const auto word = [&](int parts) {
        std::string w = "W";
        for (int i = 0; i < parts; ++i) w += syllables[random() % 10];
        return w;
    };
    std::string books;
    for (int b = 0; b < kBooks; ++b) {
        books += "book\t" + std::to_string(b) + "\tOrt " + std::to_string(b) + "\t\narea\t030\n";
    }
    files->files["books.tsv"] = books;
    std::string lines;
    for (int i = 0; i < kEntries; ++i) {
        const int book = i * kBooks / kEntries;
        const bool same_book = i > 0 && (i - 1) * kBooks / kEntries == book;
        const std::string level = i % 5 == 4 && same_book ? "1" : "0";
        lines += std::to_string(book) + "\t" + level + "\t" + word(2) + "\t" + word(1) +
                 "\t\t\t\t\t\t\t" + word(3) + "\t\t\t\t0\t\t" + std::to_string(1000 + i) +
                 "\t0\t0\n";
    }
    return lines;
}

TEST(LargeDataSet, CompilesAndReadsBack) {
    test::SourceFiles files;
    files.files["subscribers.tsv"] = Sources(&files);
    files.files["towns.tsv"] = files.files["postalcodes.tsv"] = files.files["areacodes.tsv"] = "";
    test::TempDir dir;
    files.WriteTo(dir.path());
    mkdata::CompileLog log;
    ASSERT_TRUE(
        mkdata::CompileDataSet(dir.path(), dir.path(), {.list_block = 3, .fan_out = 3}, &log))
        << log.error;
    DataSet data;
    ASSERT_EQ(data.Open(dir.path()), DataSetStep::kComplete);
    BookList& books = data.Books();
    const int count = books.Table().Count();
    ASSERT_EQ(count, kEntries);
    std::vector<SubscriberEntry> entries(static_cast<std::size_t>(count));
    ASSERT_EQ(books.Read(0, count - 1, entries), 0);

    // Records keep their books in order, so record r lies in the book of source line r.
    for (int r = 0; r < count; r += 97) {
        ASSERT_EQ(entries[r][EntryField::kAreaCode], "030");
        if (entries[r].level == 0) {
            const std::string& name = entries[r][EntryField::kName];
            const int found =
                books.Find(r * kBooks / kEntries, name, entries[r][EntryField::kFirstName]);
            ASSERT_GE(found, 0);
            EXPECT_LE(found, r);
            EXPECT_EQ(entries[found][EntryField::kName], name);
        }
    }
    FieldDictionary& surnames = books.Surnames();
    for (int n = 0; n < surnames.Count(); n += 7) {
        const std::string w(surnames.Word(n));
        const int lower = surnames.LowerBound(w);
        ASSERT_GE(lower, 0) << w;
        EXPECT_EQ(std::string(surnames.Word(lower)), w);
        const int entry = data.NameIndex().Find(books, w);
        ASSERT_GE(entry, 0);
        EXPECT_EQ(data.NameIndex().Name(books, entry), w);
        EXPECT_GT(data.NameIndex().BookCount(entry), 0);
    }
}

}  // namespace
}  // namespace vendarion
