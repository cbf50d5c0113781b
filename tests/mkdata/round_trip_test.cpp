// Compiled data sets read back through the store's readers equal their sources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data_compiler.h"
#include "source_files.h"
#include "store/data_set.h"
#include "store/main_table_format.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

class RoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        files_.files["subscribers.tsv"] +=
            "1\t0\tMeier\tOtto\tvon\t\t  Graf\t\t\tB\xC3\xA4"
            "cker\tMarkt\t2a\t\t\t\t\t987\t5\t0\n"
            // Family members under their own names: one known from book 0, one
            // that no main entry has.
            "1\t1\tM\xC3\xBCller\tEva\t\t\t\t\t\t\t\t\t\t\t\t\t988\t0\t0\n"
            "1\t1\tSchulz\tTim\t\t\t\t\t\t\t\t\t\t\t\t\t989\t0\t0\n"
            "1\t0\tMayer\tOtto\t\t\t\t\t\t\tRing\t\t\t\t\t\t\t0\t0\n";
        files_.files["towns.tsv"] += "Bensberg\t\t1\n";  // postal code not known
        files_.WriteTo(dir_.path());
        mkdata::CompileLog log;
        ASSERT_TRUE(mkdata::CompileDataSet(dir_.path(), dir_.path(), {.list_block = 1}, &log))
            << log.error;
        ASSERT_EQ(data_.Open(dir_.path()), DataSetStep::kComplete);
    }

    std::vector<SubscriberEntry> Entries() {
        BookList& books = data_.Books();
        std::vector<SubscriberEntry> entries(static_cast<std::size_t>(books.Table().Count()));
        EXPECT_EQ(books.Read(0, books.Table().Count() - 1, entries), 0);
        return entries;
    }

    test::SourceFiles files_;
    test::TempDir dir_;
    DataSet data_;
};

TEST_F(RoundTrip, EntriesDecodeToTheirSourceFields) {
    const std::vector<SubscriberEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 8u);
    const SubscriberEntry& mueller = entries[1];
    EXPECT_EQ(mueller[EntryField::kName], "M\xFCller");
    EXPECT_EQ(mueller[EntryField::kFirstName], "Hans");
    EXPECT_EQ(mueller[EntryField::kNameAddition1], "Dr.");
    EXPECT_EQ(mueller[EntryField::kStreet], "Hauptstr.");
    EXPECT_EQ(mueller[EntryField::kHouseNumber], "12");
    EXPECT_EQ(mueller[EntryField::kTown], "Berlin");
    EXPECT_EQ(mueller[EntryField::kPostalCode], "10117");
    EXPECT_EQ(mueller[EntryField::kAreaCode], "030");
    EXPECT_EQ(mueller[EntryField::kPhoneNumber], "3012 - 34");
    EXPECT_EQ(mueller[EntryField::kDisplayName], "Dr. Hans M\xFCller ");
    const SubscriberEntry& practice = entries[2];
    EXPECT_EQ(practice.level, 1);
    EXPECT_EQ(practice.flag, 1);
    EXPECT_EQ(practice[EntryField::kHeading], "Praxis");
    EXPECT_EQ(practice[EntryField::kCallAddition], "mobil");
    // Book 1: Abel, Mayer, Meier in folded order.
    EXPECT_EQ(entries[3][EntryField::kName], "Abel");
    EXPECT_EQ(entries[4][EntryField::kName], "Mayer");
    const SubscriberEntry& meier = entries[5];
    EXPECT_EQ(meier[EntryField::kNameAddition3], "Graf");
    EXPECT_EQ(meier[EntryField::kHeading],
              "B\xE4"
              "cker");
    EXPECT_EQ(meier[EntryField::kPhoneNumber], " - 987");
}

TEST_F(RoundTrip, ListsDictionariesAndIndexesFindWhatWasCompiled) {
    EXPECT_EQ(data_.Towns().Count(), 4);
    EXPECT_EQ(data_.Towns().FindPrefix("ae"), 1);
    const ListRecord bensberg = data_.Towns().Parse(data_.Towns().Record(2));
    EXPECT_EQ(bensberg.first, "Bensberg");
    EXPECT_EQ(bensberg.second, "");
    EXPECT_EQ(bensberg.book, 1);
    EXPECT_EQ(data_.PostalCodes().FindPrefix("52"), 1);
    EXPECT_EQ(data_.AreaCodes().FindPrefix("0241"), 0);  // "0241" sorts before "030"
    BookList& books = data_.Books();
    EXPECT_EQ(books.Find(1, "Meier", ""), 5);
    EXPECT_EQ(books.Find(0, "", ""), 0);
    FieldDictionary& surnames = books.Surnames();
    for (int n = 0; n < surnames.Count(); ++n) {
        const std::string word(surnames.Word(n));
        EXPECT_EQ(surnames.LowerBound(word), n) << word;
    }
    EXPECT_EQ(data_.Names().LowerBound("mue"), surnames.LowerBound("M\xFCller"));
    EXPECT_EQ(data_.StreetIndex().Count(1), 2);
    EXPECT_EQ(data_.StreetIndex().Item(books, 0, 0), "Hauptstr.");
    EXPECT_EQ(data_.HeadingIndex().Count(0), 1);
    const int entry = data_.NameIndex().Find(books, "Abel");
    ASSERT_GE(entry, 0);
    EXPECT_EQ(data_.NameIndex().Name(books, entry), "Abel");
    std::vector<std::int16_t> found;
    EXPECT_EQ(data_.NameIndex().Books(entry, 0, 1, &found), 2);
    EXPECT_EQ(found, (std::vector<std::int16_t>{0, 1}));
    PhoneticIds ids;
    ASSERT_EQ(books.Phonetic().Find("Maier", &ids), 0);
    ASSERT_EQ(ids.Count(), 2);  // Mayer and Meier
    EXPECT_EQ(books.Surnames().Word(ids.At(0) - 1), "Mayer");
    int position = 0;
    EXPECT_GE(books.Banks().NextMatch(&position, "10115"), 0);
    EXPECT_EQ(books.Books().Name(1), "Aachen");
}

TEST_F(RoundTrip, NameIndexListsTheBooksOfSubEntrySurnames) {
    BookList& books = data_.Books();
    const NameToBooks& names = data_.NameIndex();
    std::vector<std::int16_t> found;
    const int mueller = names.Find(books, "M\xFCller");
    ASSERT_GE(mueller, 0);
    EXPECT_EQ(names.BookCount(mueller), 2) << "main entry in book 0, sub-entry in book 1";
    EXPECT_EQ(names.Books(mueller, 0, 1, &found), 2);
    EXPECT_EQ(found, (std::vector<std::int16_t>{0, 1}));
    const int schulz = names.Find(books, "Schulz");
    ASSERT_GE(schulz, 0);
    EXPECT_EQ(names.Name(books, schulz), "Schulz");
    found.clear();
    EXPECT_EQ(names.Books(schulz, 0, 0, &found), 1);
    EXPECT_EQ(found, (std::vector<std::int16_t>{1}));
}

// The index of sub-entry surnames lists, per book, exactly the sub-entries under a
// surname other than their main entry's (Müller and Schulz under Meier), by surname.
TEST_F(RoundTrip, SubEntryNamesListTheSubEntriesUnderTheirOwnSurnames) {
    namespace fmt = main_table_format;
    BookList& books = data_.Books();
    SubNameIndex& index = books.SubNames();
    ASSERT_TRUE(index.IsOpen());
    const IdSpan every{1, static_cast<std::uint32_t>(books.Surnames().Count())};
    ASSERT_TRUE(index.Covers(1));
    EXPECT_FALSE(index.Covers(2));
    int listed = 0;
    for (int book = 0; book < 2; ++book) {
        std::vector<int> expected;
        std::uint32_t main_surname = 0;
        for (int n = 0; n < books.Table().Count(); ++n) {
            const ByteView record = books.Table().Record(n);
            ASSERT_FALSE(record.empty());
            const std::uint32_t surname = LoadU24BigEndian(record.data() + fmt::kSurname);
            if ((record.data()[fmt::kFlags] & fmt::kLevelMask) == 0) {
                main_surname = surname;
            } else if (LoadU16(record.data()) == book && surname != 0 && surname != main_surname) {
                expected.push_back(n);
            }
        }
        std::vector<int> positions;
        ASSERT_TRUE(index.Collect(book, {&every, 1}, &positions));
        EXPECT_EQ(positions, expected) << "book " << book;
        listed += static_cast<int>(positions.size());
        // One surname alone: Schulz is listed, Müller is not asked for.
        const int schulz = books.Surnames().LowerBound("Schulz");
        ASSERT_GE(schulz, 0);
        const IdSpan one{static_cast<std::uint32_t>(schulz) + 1,
                         static_cast<std::uint32_t>(schulz) + 1};
        positions.clear();
        ASSERT_TRUE(index.Collect(book, {&one, 1}, &positions));
        EXPECT_EQ(positions.size(), book == 1 ? 1u : 0u) << "book " << book;
    }
    EXPECT_GE(listed, 2);
}

}  // namespace
}  // namespace vendarion
