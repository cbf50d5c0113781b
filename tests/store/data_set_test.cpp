#include "store/data_set.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "sample_data_set.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

class DataSetTest : public ::testing::Test {
protected:
    DataSetStep Write(const test::MemberEdit& edit = {}) {
        EXPECT_TRUE(test::WriteSampleDataSet(sample_, dir_.path(), edit));
        return data_set_.Open(dir_.path());
    }
    // Drops one member and returns the step at which the open fails.
    DataSetStep OpenWithout(const std::string& member) {
        return Write([&](const std::string&, const std::string& name, std::string*) {
            return name != member;
        });
    }

    test::SampleDataSet sample_ = test::MakeSampleDataSet();
    test::TempDir dir_;
    DataSet data_set_;
};

TEST_F(DataSetTest, OpensEveryReaderOfTheSample) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Write(), DataSetStep::kComplete);
    const auto open_time = std::chrono::steady_clock::now() - start;
    RecordProperty(
        "open_and_write_microseconds",
        static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(open_time).count()));
    EXPECT_TRUE(data_set_.IsOpen());
    EXPECT_EQ(data_set_.Towns().Count(), static_cast<int>(sample_.towns.size()));
    EXPECT_EQ(data_set_.PostalCodes().Count(), static_cast<int>(sample_.postal_codes.size()));
    EXPECT_EQ(data_set_.AreaCodes().Count(), static_cast<int>(sample_.area_codes.size()));
    EXPECT_EQ(data_set_.Names().Count(), static_cast<int>(sample_.surnames.size()));
    BookList& books = data_set_.Books();
    EXPECT_EQ(books.Table().Count(), static_cast<int>(sample_.records.size()));
    EXPECT_EQ(books.Books().Name(1), "K\xF6ln");
    EXPECT_EQ(data_set_.StreetIndex().BookCount(), 3);
    EXPECT_EQ(data_set_.HeadingIndex().Count(1), 0);
    EXPECT_GT(data_set_.NameIndex().EntryCount(), 0);
    EXPECT_EQ(data_set_.ListArchive().Member("TipsAndTricks.txt").size(), 8u);
}

TEST_F(DataSetTest, NamesDictionaryAndSurnamesShareMembersAcrossLetterCase) {
    ASSERT_EQ(Write(), DataSetStep::kComplete);
    for (int n = 0; n < data_set_.Names().Count(); ++n) {
        EXPECT_EQ(data_set_.Names().Word(n), data_set_.Books().Surnames().Word(n));
    }
    EXPECT_EQ(data_set_.Names().LowerBound("schm"),
              data_set_.Books().Surnames().LowerBound("Schm"));
}

TEST_F(DataSetTest, FindByTextsPositionsAtTheFirstMatchingMainEntry) {
    ASSERT_EQ(Write(), DataSetStep::kComplete);
    BookList& books = data_set_.Books();
    EXPECT_EQ(books.Find(0, "", ""), 0);
    const int book1 = books.Find(1, "", "");
    ASSERT_GT(book1, 0);
    std::vector<SubscriberEntry> entries(1);
    ASSERT_EQ(books.Read(book1, book1, entries), 0);
    EXPECT_EQ(entries[0][EntryField::kName], sample_.surnames[0]);
    const int meier = books.Find(2, "meier", "");
    ASSERT_GE(meier, 0);
    ASSERT_EQ(books.Read(meier, meier, entries), 0);
    EXPECT_EQ(entries[0][EntryField::kName], "Meier");
    EXPECT_EQ(entries[0][EntryField::kFirstName], sample_.first_names[0]);
    EXPECT_EQ(entries[0][EntryField::kTown], "M\xFCllheim");
    // A surname sorting after every word has no lower bound: the key lies after the
    // whole book, at the next book's first entry.
    EXPECT_EQ(books.Find(1, "zzzz", ""), books.Find(2, "", ""));
    EXPECT_EQ(books.Find(2, "zzzz", ""), -1);
    const std::string after_meier(books.Surnames().Word(books.Surnames().LowerBound("meier") + 1));
    EXPECT_EQ(books.Find(2, "meier", "zzzz"), books.Find(2, after_meier, ""));
    EXPECT_EQ(books.Find(3, "", ""), -1);
}

TEST_F(DataSetTest, ReportsTheStepOfAMissingMember) {
    const std::pair<const char*, DataSetStep> cases[] = {
        {"Orte.z2", DataSetStep::kTownList},
        {"PLZs.i2", DataSetStep::kPostalCodeList},
        {"Vorwahlen.z2", DataSetStep::kAreaCodeList},
        {"Vornamen.dz", DataSetStep::kBookList},
        {"hausnr.idx", DataSetStep::kBookList},
        {"blz.dat", DataSetStep::kBookList},
        {"phonetic.dat", DataSetStep::kBookList},
        {"BookData.dat", DataSetStep::kBookList},
        {"MainTable.z", DataSetStep::kBookList},
        {"BookToStrassen.bhi", DataSetStep::kStreetIndex},
        {"BookToBezeichnungen.bhi", DataSetStep::kHeadingIndex},
        {"NameToBooks.tri2", DataSetStep::kNameToBooks},
        {"NameToBooks.bhi", DataSetStep::kNameToBooks},
    };
    for (const auto& [member, step] : cases) {
        EXPECT_EQ(OpenWithout(member), step) << member;
        EXPECT_FALSE(data_set_.IsOpen());
        EXPECT_FALSE(data_set_.IndexArchive().IsOpen()) << "archives are released on failure";
    }
    // The names dictionary goes first, as "namen" shares the surnames' members.
    EXPECT_EQ(OpenWithout("Namen.dz"), DataSetStep::kNamesDictionary);
}

TEST_F(DataSetTest, ReportsAMissingArchive) {
    EXPECT_EQ(data_set_.Open(dir_.path()), DataSetStep::kIndexArchive);
    ASSERT_TRUE(test::WriteSampleDataSet(sample_, dir_.path()));
    test::WriteFile(dir_.File("List.mf"), "");
    EXPECT_EQ(data_set_.Open(dir_.path()), DataSetStep::kListArchive);
    EXPECT_FALSE(data_set_.CodeArchive().IsOpen());
}

TEST_F(DataSetTest, OpensWithoutTheNamesTrieButFindsNothingByText) {
    ASSERT_EQ(OpenWithout("Namen.tri"), DataSetStep::kComplete);
    EXPECT_FALSE(data_set_.Names().HasTrie());
    EXPECT_EQ(data_set_.Names().LowerBound("Meier"), -1);
    EXPECT_EQ(data_set_.Names().Word(0), sample_.surnames[0]);
}

TEST_F(DataSetTest, CloseReleasesEverythingAndAllowsAFreshOpen) {
    ASSERT_EQ(Write(), DataSetStep::kComplete);
    data_set_.Close();
    EXPECT_FALSE(data_set_.Books().IsOpen());
    EXPECT_EQ(data_set_.Towns().FindPrefix("Berlin"), -1);
    EXPECT_FALSE(data_set_.DataArchive().IsOpen());
    data_set_.Close();
    ASSERT_EQ(data_set_.Open(dir_.path()), DataSetStep::kComplete);
    BookList second;
    ASSERT_TRUE(data_set_.OpenBookList(&second));
    EXPECT_EQ(second.Find(2, "meier", ""), data_set_.Books().Find(2, "meier", ""));
}

}  // namespace
}  // namespace vendarion
