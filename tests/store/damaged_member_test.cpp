// Every reader over damaged members: truncated at every length and with bytes
// flipped at chosen offsets. Each damaged copy lives in an allocation of exactly its
// size, so a read past its end is caught by the address sanitizer; the checks here
// are that opens and lookups fail cleanly and never crash.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
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
    ForEachDamage(member, true, [&](ByteView v) { return exercise(ByteView(trie), v); });
    ForEachDamage(
        trie, false, [&](ByteView v) { return exercise(v, ByteView(member)); }, 1024);
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
    const std::string& phonetic = Member("Code.mf", "phonetic.dat");
    PhoneticIndex index;
    ForEachDamage(phonetic, true, [&](ByteView v) {
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

}  // namespace
}  // namespace vendarion
