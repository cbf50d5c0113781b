#include "net/book_filter.h"

#include <gtest/gtest.h>

#include "sample_data_set.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

class BookFilterTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::WriteSampleDataSet(data_, dir_.path()));
        ASSERT_EQ(data_set_.Open(dir_.path()), DataSetStep::kComplete);
    }

    bool HasHits(const SearchRequest& request, NameMode mode, int book) {
        SearchCursor cursor = CreateCursor(data_set_.Books(), request, book, mode);
        RawRecord raw{};
        for (;;) {
            const StepResult step = StepCursor(data_set_.Books(), &cursor, 100, &raw);
            if (step == StepResult::kHit) return true;
            if (step == StepResult::kFinished) return false;
        }
    }

    // The books the filter lets through.
    std::vector<int> Passed(const SearchRequest& request, NameMode mode) {
        const BookFilter filter(data_set_, CreateCursor(data_set_.Books(), request, 0, mode));
        std::vector<int> books;
        for (int book = 0; book < 3; ++book) {
            if (filter.MayHold(book)) books.push_back(book);
        }
        return books;
    }

    test::SampleDataSet data_ = test::MakeSampleDataSet();
    test::TempDir dir_;
    DataSet data_set_;
};

TEST_F(BookFilterTest, NeverDropsABookWithHits) {
    std::vector<SearchRequest> requests;
    for (const std::string& surname : data_.surnames) {
        requests.push_back({surname, "", "", ""});
        requests.push_back({surname.substr(0, 2), "", "", ""});
    }
    for (const std::string& street : data_.streets) requests.push_back({"", "", street, ""});
    for (const std::string& heading : data_.headings) requests.push_back({"", "", "", heading});
    requests.push_back({"Meier", "Anna", "Kirchweg", ""});
    requests.push_back({"W", "", "Goethe", "Friseur"});
    for (const SearchRequest& request : requests) {
        for (const NameMode mode :
             {NameMode::kNormal, NameMode::kExact, NameMode::kPhonetic, NameMode::kNameParts}) {
            const std::vector<int> passed = Passed(request, mode);
            for (int book = 0; book < 3; ++book) {
                if (!HasHits(request, mode, book)) continue;
                EXPECT_NE(std::find(passed.begin(), passed.end(), book), passed.end())
                    << request.surname << "/" << request.street << "/" << request.heading
                    << " mode " << static_cast<int>(mode) << " book " << book;
            }
        }
    }
}

TEST_F(BookFilterTest, SkipsBooksWithoutTheSurnameStreetOrHeading) {
    // The last five surnames occur only in book 0, Köln has no headings and Müllheim
    // only the Goethestraße.
    const std::string only_in_berlin = data_.surnames.back();
    EXPECT_EQ(Passed({only_in_berlin, "", "", ""}, NameMode::kExact), (std::vector{0}));
    EXPECT_EQ(Passed({only_in_berlin, "", "", ""}, NameMode::kNormal), (std::vector{0}));
    EXPECT_EQ(Passed({"", "", "", "Friseur"}, NameMode::kNormal), (std::vector{0, 2}));
    EXPECT_EQ(Passed({"", "", "Goethe", ""}, NameMode::kNormal), (std::vector{0, 1, 2}));
    EXPECT_EQ(Passed({"", "", "Kirchweg", ""}, NameMode::kNormal), (std::vector{0, 1}));
    // Modes whose surnames the index cannot tell pass every book the other tests pass.
    EXPECT_EQ(Passed({only_in_berlin, "", "", ""}, NameMode::kNameParts), (std::vector{0, 1, 2}));
    EXPECT_EQ(Passed({"Meier", "Anna", "", ""}, NameMode::kPhonetic), (std::vector{0, 1, 2}));
}

}  // namespace
}  // namespace vendarion
