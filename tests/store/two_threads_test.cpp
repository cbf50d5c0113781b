// The search worker and the user-interface thread read one data set at the same
// time, each through its own book list; run under the thread sanitizer too.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "sample_data_set.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

// Everything one thread reads: every entry of the table and a set of lookups, as
// text, so that the two threads' results can be compared with a quiet run.
std::vector<std::string> ReadEverything(const DataSet& data_set, BookList& books) {
    std::vector<std::string> out;
    std::vector<SubscriberEntry> entries(256);
    const int count = books.Table().Count();
    for (int first = 0; first < count; first += 256) {
        const int last = std::min(count, first + 256) - 1;
        if (books.Read(first, last, entries) != 0) {
            out.push_back("read failed");
            continue;
        }
        for (int i = 0; i <= last - first; ++i) out.push_back(entries[i][EntryField::kDisplayName]);
    }
    for (const char* name : {"Meier", "Schulz", "Steinke", "Waldel", "Zz"}) {
        for (int book = 0; book < 3; ++book)
            out.push_back(std::to_string(books.Find(book, name, "")));
        const int entry = data_set.NameIndex().Find(books, name);
        out.push_back(std::string(data_set.NameIndex().Name(books, entry)));
        PhoneticIds ids;
        out.push_back(std::to_string(books.Phonetic().Find(name, &ids)) + "/" +
                      std::to_string(ids.Count()));
    }
    for (int book = 0; book < 3; ++book) {
        const RelationIndex& streets = data_set.StreetIndex();
        for (int i = 0; i < streets.Count(book); ++i) {
            out.push_back(std::string(streets.Item(books, book, i)));
        }
        out.push_back(std::to_string(data_set.HeadingIndex().Find(books, book, "b")));
    }
    int position = 0;
    for (int r; (r = books.Banks().NextMatch(&position, "sparkasse")) >= 0;) {
        out.push_back(std::to_string(r));
    }
    return out;
}

TEST(TwoThreads, ReadTheSameDataSetThroughTheirOwnBookLists) {
    test::TempDir dir;
    ASSERT_TRUE(test::WriteSampleDataSet(test::MakeSampleDataSet(), dir.path()));
    DataSet data_set;
    ASSERT_EQ(data_set.Open(dir.path()), DataSetStep::kComplete);
    const std::vector<std::string> expected = ReadEverything(data_set, data_set.Books());
    ASSERT_GT(expected.size(), 7000u);

    BookList worker_books;
    ASSERT_TRUE(data_set.OpenBookList(&worker_books));
    std::vector<std::string> worker_result;
    std::thread worker([&] {
        for (int round = 0; round < 3; ++round)
            worker_result = ReadEverything(data_set, worker_books);
    });
    std::vector<std::string> ui_result;
    int towns_found = 0;
    for (int round = 0; round < 3; ++round) {
        ui_result = ReadEverything(data_set, data_set.Books());
        // The lists and the names dictionary belong to this thread alone.
        towns_found += data_set.Towns().FindPrefix("k\xF6") >= 0;
        towns_found += data_set.Names().LowerBound("mei") >= 0;
    }
    worker.join();
    EXPECT_EQ(worker_result, expected);
    EXPECT_EQ(ui_result, expected);
    EXPECT_EQ(towns_found, 6);
}

}  // namespace
}  // namespace vendarion
