// The generated compiler sources: the same seed and size give the same bytes, and
// every subscriber line keeps the rules the compiler checks.
#include "data_set_writer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "support/temp_dir.h"
#include "tsv_file.h"

namespace vendarion::datagen {
namespace {

const char* const kFiles[] = {"books.tsv",     "towns.tsv", "postalcodes.tsv", "areacodes.tsv",
                              "countries.tsv", "banks.tsv", "tips.txt",        "subscribers.tsv"};

const Facts& LoadedFacts() {
    static const Facts facts = [] {
        Facts loaded;
        std::string error;
        EXPECT_TRUE(LoadFacts(VENDARION_FACTS_DIR, &loaded, &error)) << error;
        return loaded;
    }();
    return facts;
}

std::uint64_t Number(const std::string& text) {
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

TEST(DataSetWriter, SameSeedAndSizeGiveTheSameBytes) {
    test::TempDir first, second;
    ASSERT_GT(WriteDataSet(LoadedFacts(), DataSize::kTiny, 5, first.path()), 0);
    ASSERT_GT(WriteDataSet(LoadedFacts(), DataSize::kTiny, 5, second.path()), 0);
    for (const char* name : kFiles) {
        const std::string bytes = test::ReadFile(first.File(name));
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes, test::ReadFile(second.File(name))) << name;
    }
    const auto plans = PlanBooks(LoadedFacts(), DataSize::kTiny);
    StringSink same, other;
    GenerateSubscribers(LoadedFacts(), plans, 5, &same);
    GenerateSubscribers(LoadedFacts(), plans, 6, &other);
    EXPECT_EQ(same.text(), test::ReadFile(first.File("subscribers.tsv")));
    EXPECT_NE(same.text(), other.text());
}

TEST(DataSetWriter, MissingFolderFails) {
    test::TempDir dir;
    EXPECT_EQ(WriteDataSet(LoadedFacts(), DataSize::kTiny, 1, dir.File("missing")), -1);
}

struct Checker {
    std::set<std::string> call_additions;
    std::set<std::string> house_numbers;
    int previous_book = -1;
    int previous_level = -1;
    std::size_t main_entries = 0;

    void Check(const std::vector<std::string>& f, const std::vector<BookPlan>& plans) {
        ASSERT_EQ(f.size(), 19u);
        const int book = static_cast<int>(Number(f[0]));
        const int level = static_cast<int>(Number(f[1]));
        ASSERT_LT(static_cast<std::size_t>(book), plans.size());
        EXPECT_LE(level, 7);
        if (book != previous_book) {
            EXPECT_EQ(level, 0) << "a book starts with a main entry";
        }
        EXPECT_LE(level, previous_level + 1) << "a sub-entry hangs under its parent";
        main_entries += level == 0;
        EXPECT_FALSE(f[2].empty()) << "every entry has a name";
        for (const std::string& text : f) {
            std::string bytes;
            EXPECT_TRUE(Utf8ToCp1252(text, &bytes)) << text;
            EXPECT_LE(bytes.size(), 254u);
        }
        const BookPlan& plan = plans[static_cast<std::size_t>(book)];
        if (!f[12].empty()) {
            EXPECT_LT(Number(f[12]), plan.place_names.size());
        }
        if (!f[13].empty()) {
            EXPECT_LT(Number(f[13]), plan.postal_codes.size());
        }
        ASSERT_FALSE(f[14].empty()) << "every number has its area code";
        EXPECT_LT(Number(f[14]), plan.area_codes.size());
        ASSERT_FALSE(f[16].empty());
        EXPECT_NE(f[16][0], '0');
        EXPECT_LE(f[16].size(), 10u);
        EXPECT_LE(Number(f[16]), 2147483647u);
        EXPECT_LE(Number(f[17]), 7u);
        EXPECT_LT(Number(f[17]), f[16].size()) << "an extension follows a base number";
        call_additions.insert(f[15]);
        house_numbers.insert(f[11]);
        previous_book = book;
        previous_level = level;
    }
};

TEST(DataSetWriter, SubscriberLinesKeepTheCompilerRules) {
    // Every 8th book of the sample set, Berlin (the largest) among them.
    auto plans = PlanBooks(LoadedFacts(), DataSize::kSample);
    for (std::size_t book = 0; book < plans.size(); ++book) {
        if (book % 8 != 4) plans[book].entries = 0;
    }
    ASSERT_EQ(plans[516].name, "Berlin");
    StringSink sink;
    GenerateSubscribers(LoadedFacts(), plans, 3, &sink);
    test::TempDir dir;
    test::WriteFile(dir.File("subscribers.tsv"), sink.text());
    TsvRows rows;
    std::string error;
    ASSERT_TRUE(ReadTsv(dir.File("subscribers.tsv"), 19, &rows, &error)) << error;
    EXPECT_GT(rows.size(), 30000u);
    Checker checker;
    for (const auto& row : rows) {
        checker.Check(row, plans);
        if (HasFatalFailure() || HasFailure()) break;
    }
    EXPECT_LE(checker.call_additions.size(), 255u);
    EXPECT_LE(checker.house_numbers.size(), 65535u);
    EXPECT_GT(checker.main_entries, rows.size() / 2);
}

TEST(DataSetWriter, BooksAreNumberedInOrderWithTheirArrays) {
    const auto plans = PlanBooks(LoadedFacts(), DataSize::kTiny);
    const std::string books = BooksText(plans);
    EXPECT_EQ(books.rfind("book\t0\t", 0), 0u);
    std::size_t book_lines = 0;
    for (std::size_t at = books.find("book\t"); at != std::string::npos;
         at = books.find("\nbook\t", at + 1)) {
        ++book_lines;
    }
    EXPECT_EQ(book_lines, plans.size());
    EXPECT_NE(books.find("area\t030\n"), std::string::npos);
    EXPECT_NE(TownsText(plans).find("Berlin\t10115\t"), std::string::npos);
    EXPECT_NE(PostalCodesText(plans).find("10115\tBerlin\t"), std::string::npos);
    EXPECT_NE(AreaCodesText(plans).find("030\tBerlin\t"), std::string::npos);
}

TEST(DataSetWriter, ListsHaveOneLinePerTownOrCodeAndBook) {
    BookPlan koeln;
    koeln.postal_codes = {"50668", "50667"};
    koeln.place_names = {"K\xC3\xB6ln", "Porz"};
    koeln.places = {{0, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    BookPlan porz;
    porz.place_names = {"K\xC3\xB6ln"};
    porz.places = {{0, -1, 1}};
    const std::vector<BookPlan> plans = {koeln, porz};
    // Köln once per book, under its lowest code in the book, or none.
    EXPECT_EQ(TownsText(plans),
              "K\xC3\xB6ln\t50667\t0\n"
              "Porz\t50667\t0\n"
              "K\xC3\xB6ln\t\t1\n");
    // A code of two towns once, with the first of them; no line for the unknown code.
    EXPECT_EQ(PostalCodesText(plans),
              "50668\tK\xC3\xB6ln\t0\n"
              "50667\tK\xC3\xB6ln\t0\n");
}

}  // namespace
}  // namespace vendarion::datagen
