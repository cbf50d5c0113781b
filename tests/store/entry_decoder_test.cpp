#include "store/entry_decoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "sample_data_set.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion {

// Readable failure messages: the fields, level and flag.
void PrintTo(const SubscriberEntry& entry, std::ostream* out) {
    for (const std::string& field : entry.fields) *out << '[' << field << ']';
    *out << " level " << entry.level << " flag " << static_cast<int>(entry.flag);
}

namespace {

TEST(EntryDecoder, SplitsNameAdditionsAtFourTabs) {
    SubscriberEntry entry;
    SplitNameAdditions("Dr.\t\t  von\t\tJr.", &entry);
    EXPECT_EQ(entry[EntryField::kNameAddition1], "Dr.");
    EXPECT_EQ(entry[EntryField::kNameAddition2], "");
    EXPECT_EQ(entry[EntryField::kNameAddition3], "von") << "leading blanks removed";
    EXPECT_EQ(entry[EntryField::kNameAddition4], "");
    EXPECT_EQ(entry[EntryField::kNameAddition5], "Jr.");
    SplitNameAdditions("\t\t\t\t", &entry);
    for (int i = 2; i <= 6; ++i) EXPECT_EQ(entry.fields[i], "");
    SplitNameAdditions("Prof.\tDr.", &entry);  // fewer tabs: the missing parts stay empty
    EXPECT_EQ(entry[EntryField::kNameAddition2], "Dr.");
    EXPECT_EQ(entry[EntryField::kNameAddition5], "");
    SplitNameAdditions("a\tb\tc\td\te\tf", &entry);  // more tabs: the rest stays in part 5
    EXPECT_EQ(entry[EntryField::kNameAddition5], "e\tf");
}

TEST(EntryDecoder, SeparatesTheExtensionOfAPhoneNumber) {
    std::string text;
    FormatPhoneNumber(1234567, 2, &text);
    EXPECT_EQ(text, "12345 - 67");
    FormatPhoneNumber(1234567, 0, &text);
    EXPECT_EQ(text, "1234567");
    FormatPhoneNumber(123, 5, &text);
    EXPECT_EQ(text, " - 123");
    FormatPhoneNumber(0, 3, &text);
    EXPECT_EQ(text, "");
}

TEST(EntryDecoder, ComposesTheDisplayNameInItsOrder) {
    SubscriberEntry entry;
    entry[EntryField::kName] = "Meier";
    entry[EntryField::kFirstName] = "Hans";
    entry[EntryField::kNameAddition1] = "Dr.";
    entry[EntryField::kNameAddition2] = "Graf";
    entry[EntryField::kNameAddition3] = "von";
    entry[EntryField::kNameAddition5] = "Jr.";
    ComposeDisplayName(&entry);
    EXPECT_EQ(entry[EntryField::kDisplayName], "Dr. Hans von Graf Meier Jr. ");
    ComposeDisplayName(&entry);
    EXPECT_EQ(entry[EntryField::kDisplayName], "Dr. Hans von Graf Meier Jr. ");
    SubscriberEntry empty;
    ComposeDisplayName(&empty);
    EXPECT_EQ(empty[EntryField::kDisplayName], "");
}

// The entry a record should decode to, computed from the sample's source data.
SubscriberEntry Expected(const test::SampleDataSet& data, const test::TableRecord& r) {
    const auto word = [](const std::vector<std::string>& words, std::uint32_t id) {
        return id == 0 ? std::string() : words[id - 1];
    };
    const test::BookInfo& book = data.books[r.book];
    SubscriberEntry e;
    e[EntryField::kName] = word(data.surnames, r.surname);
    e[EntryField::kFirstName] = word(data.first_names, r.first_name);
    SplitNameAdditions(word(data.name_additions, r.name_additions), &e);
    e[EntryField::kHeading] = word(data.headings, r.heading);
    e[EntryField::kStreet] = word(data.streets, r.street);
    e[EntryField::kHouseNumber] = word(data.house_numbers, r.house_number);
    if (r.place) e[EntryField::kTown] = book.places[r.place - 1];
    char text[16];
    if (r.postal_code) {
        std::snprintf(text, sizeof text, "%05d", book.postal_codes[r.postal_code - 1]);
        e[EntryField::kPostalCode] = text;
    }
    if (r.area_code) {
        std::snprintf(text, sizeof text, "0%d", book.area_codes[r.area_code - 1]);
        e[EntryField::kAreaCode] = text;
    }
    FormatPhoneNumber(r.phone, r.extension, &e[EntryField::kPhoneNumber]);
    e[EntryField::kCallAddition] = word(data.call_additions, r.call_addition);
    e.level = r.level;
    e.flag = r.flag ? 1 : 0;
    ComposeDisplayName(&e);
    return e;
}

TEST(EntryDecoder, DecodesEveryRecordOfTheSample) {
    const test::SampleDataSet data = test::MakeSampleDataSet();
    test::TempDir dir;
    ASSERT_TRUE(test::WriteSampleDataSet(data, dir.path()));
    DataSet data_set;
    ASSERT_EQ(data_set.Open(dir.path()), DataSetStep::kComplete);
    const int count = static_cast<int>(data.records.size());
    std::vector<SubscriberEntry> entries(data.records.size());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(data_set.Books().Read(0, count - 1, entries), 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    for (int n = 0; n < count; ++n) {
        ASSERT_EQ(entries[n], Expected(data, data.records[n])) << "record " << n;
    }
    std::printf("decoded %d entries in %.3f us each\n", count,
                std::chrono::duration<double, std::micro>(elapsed).count() / count);
    EXPECT_EQ(data_set.Books().Read(count - 1, count, entries), -1);
    EXPECT_EQ(data_set.Books().Read(-1, 0, entries), -1);
    std::vector<SubscriberEntry> one(1);
    EXPECT_EQ(data_set.Books().Read(0, 1, one), -1) << "output too small";
}

TEST(EntryDecoder, MissingWordsAndArrayElementsGiveEmptyFields) {
    test::SampleDataSet data = test::MakeSampleDataSet();
    data.records.resize(3);
    data.records[0].surname = 5000;  // beyond the dictionary
    data.records[0].place = 200;     // beyond the book's place names
    data.records[1].book = 9;        // a book without a record in the book data
    data.records[1].postal_code = 1;
    data.records[2] = {};
    test::TempDir dir;
    ASSERT_TRUE(test::WriteSampleDataSet(data, dir.path()));
    DataSet data_set;
    ASSERT_EQ(data_set.Open(dir.path()), DataSetStep::kComplete);
    std::vector<SubscriberEntry> entries(3);
    ASSERT_EQ(data_set.Books().Read(0, 2, entries), 0);
    EXPECT_EQ(entries[0][EntryField::kName], "");
    EXPECT_EQ(entries[0][EntryField::kTown], "");
    EXPECT_EQ(entries[1][EntryField::kPostalCode], "");
    EXPECT_EQ(entries[2], SubscriberEntry()) << "all ids 0: every field empty";
}

}  // namespace
}  // namespace vendarion
