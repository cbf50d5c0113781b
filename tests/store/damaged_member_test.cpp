// Every reader over damaged members: truncated at every length and with bytes
// flipped at chosen offsets. Each damaged copy lives in an allocation of exactly its
// size, so a read past its end is caught by the address sanitizer; the checks here
// are that opens and lookups fail cleanly and never crash.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sample_data_set.h"
#include "store/book_data.h"
#include "store/data_set.h"
#include "store/field_dictionary.h"
#include "store/main_table.h"
#include "store/name_to_books.h"
#include "store/phonetic_index.h"
#include "store/reference_table.h"
#include "store/relation_index.h"
#include "store/sorted_list.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

// Bytes copied into an allocation of exactly their size.
class ExactBytes {
public:
    explicit ExactBytes(std::string_view bytes)
        : data_(new std::uint8_t[bytes.size() + (bytes.empty() ? 1 : 0)]), size_(bytes.size()) {
        if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
    }
    ByteView View() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<std::uint8_t[]> data_;
    std::size_t size_;
};

using Exercise = std::function<bool(ByteView member)>;

// Runs exercise (true when the damaged member opened) over truncations of member
// and over copies with bytes flipped: at every offset of members up to `points`
// bytes long, at `points` spread offsets of larger ones. Truncations must fail the
// open when strict.
void ForEachDamage(const std::string& member, bool strict, const Exercise& exercise,
                   std::size_t points = 2048) {
    const std::size_t step = member.size() > points ? member.size() / points : 1;
    for (std::size_t length = 0; length < member.size(); length += step) {
        const ExactBytes copy(std::string_view(member).substr(0, length));
        const bool opened = exercise(copy.View());
        if (strict) {
            EXPECT_FALSE(opened) << "truncated to " << length;
        }
    }
    for (std::size_t offset = 0; offset < member.size(); offset += step) {
        for (std::uint8_t mask : {0xFF, 0x80, 0x01}) {
            std::string flipped = member;
            flipped[offset] = static_cast<char>(flipped[offset] ^ mask);
            const ExactBytes copy(flipped);
            exercise(copy.View());
        }
    }
}

class DamagedMemberTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sample_ = new test::SampleDataSet(test::MakeSampleDataSet());
        dir_ = new test::TempDir();
        ASSERT_TRUE(test::WriteSampleDataSet(*sample_, dir_->path()));
        data_set_ = new DataSet();
        ASSERT_EQ(data_set_->Open(dir_->path()), DataSetStep::kComplete);
    }
    static void TearDownTestSuite() {
        delete data_set_;
        delete dir_;
        delete sample_;
    }
    static const std::string& Member(const char* archive, const char* name) {
        static std::vector<std::unique_ptr<std::string>> copies;
        const ArchiveFile& file =
            std::string_view(archive) == "Index.mf"  ? data_set_->IndexArchive()
            : std::string_view(archive) == "Code.mf" ? data_set_->CodeArchive()
            : std::string_view(archive) == "List.mf" ? data_set_->ListArchive()
                                                     : data_set_->DataArchive();
        const ByteView view = file.Member(name);
        copies.push_back(
            std::make_unique<std::string>(reinterpret_cast<const char*>(view.data()), view.size()));
        return *copies.back();
    }

    static test::SampleDataSet* sample_;
    static test::TempDir* dir_;
    static DataSet* data_set_;
};

test::SampleDataSet* DamagedMemberTest::sample_ = nullptr;
test::TempDir* DamagedMemberTest::dir_ = nullptr;
DataSet* DamagedMemberTest::data_set_ = nullptr;

bool ExerciseList(SortedList* list, ByteView index, ByteView data) {
    if (!list->Open(index, data)) return false;
    for (const char* text : {"", "0", "1", "5", "b", "k\xF6", "z", "\xFF"}) {
        const int r = list->FindPrefix(text);
        if (r >= 0) list->Parse(list->Record(r));
    }
    std::string out;
    if (list->Count() > 0) list->GetRange(0, list->Count() - 1, &out);
    return true;
}

TEST_F(DamagedMemberTest, SortedLists) {
    const char* names[][2] = {
        {"Orte.i2", "Orte.z2"}, {"PLZs.i2", "PLZs.z2"}, {"Vorwahlen.i2", "Vorwahlen.z2"}};
    for (ListKind kind : {ListKind::kTowns, ListKind::kPostalCodes, ListKind::kAreaCodes}) {
        const auto& name = names[static_cast<int>(kind)];
        const std::string& index = Member("List.mf", name[0]);
        const std::string& data = Member("List.mf", name[1]);
        SortedList list(kind);
        ForEachDamage(index, true,
                      [&](ByteView v) { return ExerciseList(&list, v, ByteView(data)); });
        ForEachDamage(data, true,
                      [&](ByteView v) { return ExerciseList(&list, ByteView(index), v); });
    }
}

bool ExerciseDictionary(FieldDictionary* dictionary, ByteView words, ByteView index,
                        ByteView trie) {
    if (!dictionary->Open(words, index, trie)) return false;
    for (int n = 0; n < dictionary->Count(); ++n) dictionary->Word(n);
    int lo = 0;
    int hi = 0;
    for (const char* text : {"a", "Meier", "m\xFC", "Schm", "z", "Vorname1", "\xFF"}) {
        dictionary->LowerBound(text);
        static_cast<void>(dictionary->EqualRange(text, &lo, &hi));
        static_cast<void>(dictionary->PrefixRange(text, &lo, &hi));
    }
    return true;
}

TEST_F(DamagedMemberTest, Dictionaries) {
    for (const char* name : {"Namen", "rufzusatz"}) {
        const std::string& dz = Member("Code.mf", (std::string(name) + ".dz").c_str());
        const std::string& idx = Member("Index.mf", (std::string(name) + ".idx").c_str());
        const std::string& tri = Member("Index.mf", (std::string(name) + ".tri").c_str());
        FieldDictionary d;
        ForEachDamage(dz, false, [&](ByteView v) {
            return ExerciseDictionary(&d, v, ByteView(idx), ByteView(tri));
        });
        ForEachDamage(idx, true, [&](ByteView v) {
            return ExerciseDictionary(&d, ByteView(dz), v, ByteView(tri));
        });
        ForEachDamage(
            tri, false,
            [&](ByteView v) { return ExerciseDictionary(&d, ByteView(dz), ByteView(idx), v); },
            1024);
    }
}

bool ExerciseTable(MainTable* table, ByteView data, ByteView index) {
    if (!table->Open(data, index)) return false;
    // Few block loads per damaged copy: inflating dominates the time of this test.
    table->Find(1, 40, -2);
    RawRecord raw{};
    static_cast<void>(table->ReadOne(0, &raw));
    static_cast<void>(table->ReadOne(table->Count() - 1, &raw));
    return true;
}

TEST_F(DamagedMemberTest, SubscriberTable) {
    const std::string& index = Member("Index.mf", "MainTable.idx");
    const std::string& data = Member("Data.mf", "MainTable.z");
    MainTable table;
    ForEachDamage(index, true,
                  [&](ByteView v) { return ExerciseTable(&table, ByteView(data), v); });
    ForEachDamage(data, false,
                  [&](ByteView v) { return ExerciseTable(&table, v, ByteView(index)); });
}

TEST_F(DamagedMemberTest, BookData) {
    const std::string& member = Member("Index.mf", "BookData.dat");
    std::string bytes = member;
    std::string text;
    const auto exercise = [&](ByteView v) {
        BookData books;
        if (!books.Open(v)) return false;
        for (int book : {-1, 0, 1, 2, 3, 14999, 15000}) {
            books.EntryCount(book);
            books.Name(book);
            books.TownPostalCode(book);
            for (int i = -1; i < 3; ++i) {
                books.PostalCode(book, i, &text);
                books.AreaCode(book, i, &text);
                books.PlaceName(book, i, &text);
            }
        }
        return true;
    };
    for (std::size_t length : {std::size_t{0}, std::size_t{1740001}}) {
        EXPECT_FALSE(exercise(ExactBytes(std::string_view(member).substr(0, length)).View()));
    }
    for (std::size_t length = 1740002; length < member.size(); ++length) {
        EXPECT_TRUE(exercise(ExactBytes(std::string_view(member).substr(0, length)).View()));
    }
    for (std::size_t offset : {2 + 88, 2 + 96, 2 + 104, 2 + 116 + 88, 2 + 116 + 104}) {
        for (std::uint8_t mask : {0x80, 0x40, 0x01}) {
            bytes = member;
            bytes[offset + 3] = static_cast<char>(bytes[offset + 3] ^ mask);
            EXPECT_TRUE(exercise(ExactBytes(bytes).View()));
        }
    }
}

TEST_F(DamagedMemberTest, RelationIndexes) {
    BookList& books = data_set_->Books();
    for (RelationKind kind : {RelationKind::kStreets, RelationKind::kHeadings}) {
        const std::string& member =
            Member("Data.mf", kind == RelationKind::kStreets ? "BookToStrassen.bhi"
                                                             : "BookToBezeichnungen.bhi");
        RelationIndex index;
        ForEachDamage(member, true, [&](ByteView v) {
            if (!index.Open(kind, v)) return false;
            for (int book = -1; book <= index.BookCount(); ++book) {
                for (int i = 0; i < index.Count(book); ++i) index.Item(books, book, i);
                index.Find(books, book, "a");
                index.Find(books, book, "Linden");
            }
            return true;
        });
    }
}

TEST_F(DamagedMemberTest, NameToBooks) {
    BookList& books = data_set_->Books();
    const std::string& trie = Member("Index.mf", "NameToBooks.tri2");
    const std::string& member = Member("Data.mf", "NameToBooks.bhi");
    NameToBooks names;
    const auto exercise = [&](ByteView t, ByteView m) {
        if (!names.Open(t, m)) return false;
        std::vector<std::int16_t> out;
        for (const char* text : {"Meier", "a", "Stein", "zz", "\xFF"}) {
            const int entry = names.Find(books, text);
            names.Name(books, entry);
            names.Books(entry, 0, names.BookCount(entry) - 1, &out);
        }
        for (int e = -1; e <= names.EntryCount(); ++e) names.Books(e, 0, 0, &out);
        return true;
    };
    // Cut inside the book area the member still opens (see the next test).
    ForEachDamage(member, false, [&](ByteView v) { return exercise(ByteView(trie), v); });
    ForEachDamage(
        trie, false, [&](ByteView v) { return exercise(v, ByteView(member)); }, 1024);
}

// The entries are checked at open, each entry's books only where they are read: a
// member cut inside its entries does not open; one cut inside the book area, or with
// an entry pointing outside it, opens, and only the entries whose books are not all
// in the area yield none.
TEST_F(DamagedMemberTest, NameToBooksChecksEachEntrysBooksWhereTheyAreRead) {
    const std::string& trie = Member("Index.mf", "NameToBooks.tri2");
    const std::string& member = Member("Data.mf", "NameToBooks.bhi");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(member.data());
    const int count = LoadI32(bytes);
    const std::size_t books_start = 4 + 9 * static_cast<std::size_t>(count);
    ASSERT_LT(books_start, member.size());
    // The end of each entry's books in the member; 0 for a single book kept in the entry.
    std::vector<std::size_t> ends;
    for (int e = 0; e < count; ++e) {
        const std::uint8_t* entry = bytes + 4 + 9 * static_cast<std::size_t>(e);
        const int books = LoadI16(entry + 7);
        ends.push_back(books == 1 ? 0 : books_start + LoadI32(entry + 3) + 2 * books);
    }
    const auto books_of = [](const NameToBooks& names, int entry) {
        std::vector<std::int16_t> out;
        const int n = names.Books(entry, 0, names.BookCount(entry) - 1, &out);
        EXPECT_EQ(n, static_cast<int>(out.size()));
        return out;
    };
    NameToBooks names;
    const ExactBytes whole(member);
    ASSERT_TRUE(names.Open(ByteView(trie), whole.View()));
    std::vector<std::vector<std::int16_t>> books;
    for (int e = 0; e < count; ++e) books.push_back(books_of(names, e));

    const std::size_t step = std::max<std::size_t>(1, books_start / 512);
    for (std::size_t length = 0; length < books_start; length += step) {
        const ExactBytes cut(std::string_view(member).substr(0, length));
        EXPECT_FALSE(names.Open(ByteView(trie), cut.View())) << "cut to " << length;
    }
    for (std::size_t length = books_start; length < member.size();
         length += std::max<std::size_t>(1, (member.size() - books_start) / 64)) {
        const ExactBytes cut(std::string_view(member).substr(0, length));
        ASSERT_TRUE(names.Open(ByteView(trie), cut.View())) << "cut to " << length;
        for (int e = 0; e < count; ++e) {
            const std::size_t entry = static_cast<std::size_t>(e);
            EXPECT_EQ(books_of(names, e),
                      ends[entry] <= length ? books[entry] : std::vector<std::int16_t>())
                << "entry " << e << ", cut to " << length;
        }
    }

    // The first entry with several books: its offset moved past the area, then its
    // count made negative; the other entries keep their books.
    const auto several =
        std::find_if(ends.begin(), ends.end(), [](std::size_t end) { return end > 0; });
    ASSERT_NE(several, ends.end());
    const int damaged = static_cast<int>(several - ends.begin());
    const std::size_t entry_at = 4 + 9 * static_cast<std::size_t>(damaged);
    for (const auto& [field, value] :
         {std::pair{std::size_t{3}, std::string("\xF0\xFF\xFF\x7F", 4)},
          std::pair{std::size_t{7}, std::string("\xFF\xFF", 2)}}) {
        std::string flipped = member;
        flipped.replace(entry_at + field, value.size(), value);
        const ExactBytes copy(flipped);
        ASSERT_TRUE(names.Open(ByteView(trie), copy.View()));
        EXPECT_TRUE(books_of(names, damaged).empty());
        if (field == 7) {
            EXPECT_EQ(names.BookCount(damaged), 0);
        }
        for (int e = 0; e < count; ++e) {
            if (e != damaged) {
                EXPECT_EQ(books_of(names, e), books[static_cast<std::size_t>(e)]);
            }
        }
    }
}

TEST_F(DamagedMemberTest, ReferenceAndPhoneticTables) {
    for (ReferenceKind kind : {ReferenceKind::kCountries, ReferenceKind::kBanks}) {
        const std::string& member =
            Member("Index.mf", kind == ReferenceKind::kCountries ? "ausland.dat" : "blz.dat");
        ReferenceTable table;
        ForEachDamage(member, true, [&](ByteView v) {
            if (!table.Open(kind, v)) return false;
            int position = 0;
            while (table.NextMatch(&position, "") >= 0) {
            }
            return true;
        });
    }
    // Cut inside the id area the member still opens (see the test after next).
    const std::string& phonetic = Member("Code.mf", "phonetic.dat");
    PhoneticIndex index;
    ForEachDamage(phonetic, false, [&](ByteView v) {
        if (!index.Open(v)) return false;
        PhoneticIds ids;
        for (const char* name : {"Meier", "Schmidt", "Ebert", "Zzz"}) {
            if (index.Find(name, &ids) == 0) {
                for (int i = 0; i < ids.Count(); ++i) ids.At(i);
            }
        }
        return true;
    });
}

// A dictionary block whose offset lies beyond the words opens; that block's words
// read as empty, the others as before.
TEST_F(DamagedMemberTest, DictionaryBlockOffsetsAreCheckedWhereABlockIsRead) {
    const std::string& dz = Member("Code.mf", "Namen.dz");
    const std::string& idx = Member("Index.mf", "Namen.idx");
    const std::string& tri = Member("Index.mf", "Namen.tri");
    FieldDictionary whole;
    ASSERT_TRUE(whole.Open(ByteView(dz), ByteView(idx), ByteView(tri)));
    ASSERT_GT(whole.Count(), 64);
    std::vector<std::string> words;
    for (int n = 0; n < whole.Count(); ++n) words.emplace_back(whole.Word(n));
    std::string damaged = idx;
    const std::uint32_t beyond = static_cast<std::uint32_t>(dz.size()) + 1;
    std::memcpy(damaged.data() + 4 + 4, &beyond, 4);  // block 1
    const ExactBytes copy(damaged);
    FieldDictionary dictionary;
    ASSERT_TRUE(dictionary.Open(ByteView(dz), copy.View(), ByteView(tri)));
    for (int n = 0; n < whole.Count(); ++n) {
        const bool in_block = n / 64 == 1;
        EXPECT_EQ(std::string(dictionary.Word(n)),
                  in_block ? "" : words[static_cast<std::size_t>(n)])
            << "word " << n;
    }
    for (const char* text : {"a", "Meier", "z"}) dictionary.LowerBound(text);
}

// A table block whose offset points outside the data opens; its records cannot be
// read, the others can.
TEST_F(DamagedMemberTest, TableBlockOffsetsAreCheckedWhereABlockIsLoaded) {
    const std::string& index = Member("Index.mf", "MainTable.idx");
    const std::string& data = Member("Data.mf", "MainTable.z");
    MainTable whole;
    ASSERT_TRUE(whole.Open(ByteView(data), ByteView(index)));
    const int blocks = whole.BlockCount();
    ASSERT_GT(blocks, 0);
    for (const std::int32_t offset : {-1, static_cast<std::int32_t>(data.size()) - 2}) {
        std::string damaged = index;
        // The last leaf: the entry at the end of the index.
        std::memcpy(damaged.data() + damaged.size() - 4, &offset, 4);
        const ExactBytes copy(damaged);
        MainTable table;
        ASSERT_TRUE(table.Open(ByteView(data), copy.View()));
        RawRecord raw{};
        EXPECT_EQ(table.ReadOne((blocks - 1) * 1024, &raw), -1);
        EXPECT_EQ(table.ReadOne(table.Count() - 1, &raw), -1);
        if (blocks > 1) {
            RawRecord expected{};
            ASSERT_EQ(whole.ReadOne(0, &expected), 0);
            ASSERT_EQ(table.ReadOne(0, &raw), 0);
            EXPECT_EQ(raw, expected);
        }
    }
}

// The phonetic entries are checked at open, each entry's ids where they are read: a
// member cut inside its entries does not open; one cut inside the id area opens, and
// only the entries whose ids were cut off have none.
TEST_F(DamagedMemberTest, PhoneticIdsAreCheckedWhereTheyAreRead) {
    const std::string& member = Member("Code.mf", "phonetic.dat");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(member.data());
    const int count = LoadI32(bytes);
    const std::size_t ids_start = 4 + 12 * static_cast<std::size_t>(count);
    ASSERT_LT(ids_start, member.size());
    const auto ids_of = [](const PhoneticIndex& index, int entry) {
        std::vector<std::int32_t> out;
        const PhoneticIds ids = index.Ids(entry);
        for (int i = 0; i < ids.Count(); ++i) out.push_back(ids.At(i));
        return out;
    };
    PhoneticIndex index;
    const ExactBytes whole(member);
    ASSERT_TRUE(index.Open(whole.View()));
    std::vector<std::vector<std::int32_t>> ids;
    std::vector<std::size_t> ends;
    for (int e = 0; e < count; ++e) {
        ids.push_back(ids_of(index, e));
        const std::uint8_t* entry = bytes + 4 + 12 * static_cast<std::size_t>(e);
        ends.push_back(ids_start + 4 * (static_cast<std::size_t>(LoadI32(entry + 6)) +
                                        static_cast<std::size_t>(LoadI16(entry + 10))));
    }
    for (std::size_t length = 0; length < ids_start;
         length += std::max<std::size_t>(1, ids_start / 256)) {
        const ExactBytes cut(std::string_view(member).substr(0, length));
        EXPECT_FALSE(index.Open(cut.View())) << "cut to " << length;
    }
    for (std::size_t length = ids_start; length < member.size();
         length += std::max<std::size_t>(1, (member.size() - ids_start) / 64)) {
        const ExactBytes cut(std::string_view(member).substr(0, length));
        ASSERT_TRUE(index.Open(cut.View())) << "cut to " << length;
        for (int e = 0; e < count; ++e) {
            const std::size_t entry = static_cast<std::size_t>(e);
            EXPECT_EQ(ids_of(index, e),
                      ends[entry] <= length ? ids[entry] : std::vector<std::int32_t>())
                << "entry " << e << ", cut to " << length;
        }
    }
}

}  // namespace
}  // namespace vendarion
