#include "search/result_list.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "search/result_line.h"

namespace vendarion {
namespace {

std::string Main(const std::string& name, const std::string& town) {
    return name + "\x01\x01\x01\x01\x01\x01\x01" + town + "\x01\x01\x01";
}
std::string Sub(const std::string& name, int level) {
    return name + "\x01\x01\x01\x01\x01\x01\x01\x01\x01\x01" + std::to_string(level);
}

TEST(ResultList, TakesExactlyAThousandLines) {
    ResultList list;
    for (int i = 0; i < 999; ++i)
        ASSERT_TRUE(list.Add(Main("n", "t"), ResultList::Placement::kAppend));
    EXPECT_FALSE(list.Full());
    EXPECT_TRUE(list.Add(Main("last", "t"), ResultList::Placement::kAppend));
    EXPECT_TRUE(list.Full());
    EXPECT_FALSE(list.Add(Main("1001st", "t"), ResultList::Placement::kAppend));
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_EQ(list.Field(999, 0), "last");
    EXPECT_FALSE(list.Add("", ResultList::Placement::kAppend));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Line(0), "");
}

TEST(ResultList, MergeSortsMainEntriesByFoldedLineAndKeepsSubEntriesUnderThem) {
    ResultList list;
    const auto merge = ResultList::Placement::kMerge;
    // First town.
    ASSERT_TRUE(list.Add(Main("Becker", "Aachen"), merge));
    ASSERT_TRUE(list.Add(Sub("Becker Praxis", 1), merge));
    ASSERT_TRUE(list.Add(Main("M\xFCller", "Aachen"), merge));
    // Second town: names fold-compare with the first town's, ignoring case.
    int row = -1;
    ASSERT_TRUE(list.Add(Main("becker", "Bonn"), merge, &row));
    EXPECT_EQ(row, 2);  // after the equal Aachen entry and its sub-entry
    ASSERT_TRUE(list.Add(Sub("becker Labor", 1), merge, &row));
    EXPECT_EQ(row, 3);
    ASSERT_TRUE(list.Add(Sub("becker Labor Nord", 2), merge, &row));
    EXPECT_EQ(row, 4);
    // Folds like "Müller" of Aachen, and the town decides: Bonn after Aachen.
    ASSERT_TRUE(list.Add(Main("Mueller", "Bonn"), merge));
    ASSERT_TRUE(list.Add(Main("Adler", "Bonn"), merge, &row));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(list.InsertionRow(), 0);

    const char* expected[] = {"Adler",     "Becker",       "Becker Praxis",
                              "becker",    "becker Labor", "becker Labor Nord",
                              "M\xFCller", "Mueller"};
    ASSERT_EQ(list.Count(), 8);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(list.Field(r, 0), expected[r]) << "row " << r;
}

TEST(ResultList, ReadersSeeWholeLinesWhileAWriterAdds) {
    ResultList list;
    std::thread writer([&list] {
        for (int i = 0; i < 1000; ++i) {
            ASSERT_TRUE(
                list.Add(Main("Name" + std::to_string(i), "Ort"), ResultList::Placement::kMerge));
        }
    });
    for (int seen = 0; seen < 1000;) {
        seen = list.Count();
        if (seen > 0) {
            EXPECT_EQ(ResultField(list.Line(seen - 1), 7), "Ort");
        }
    }
    writer.join();
    EXPECT_TRUE(list.Full());
}

}  // namespace
}  // namespace vendarion
