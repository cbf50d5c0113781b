// Compiles tiny source folders and checks the bytes of every member against the
// layouts the readers expect.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "base/byte_view.h"
#include "data_compiler.h"
#include "source_files.h"
#include "store/archive_file.h"
#include "support/temp_dir.h"

namespace vendarion::mkdata {
namespace {

std::string Inflate(ByteView bytes, std::size_t capacity) {
    std::string out(capacity, '\0');
    uLongf length = capacity;
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, bytes.data(), bytes.size()) !=
        Z_OK) {
        return "inflate failed";
    }
    out.resize(length);
    return out;
}

std::string Text(ByteView view, std::size_t offset, std::size_t width) {
    return std::string(view.CString(offset, width));
}

std::int32_t I32(ByteView view, std::size_t offset) {
    std::int32_t value = -999;
    EXPECT_TRUE(view.I32(offset, &value));
    return value;
}

class CompiledSet : public ::testing::Test {
protected:
    void Compile(const test::SourceFiles& files, const CompileOptions& options) {
        files.WriteTo(dir_.path());
        CompileLog log;
        ASSERT_TRUE(CompileDataSet(dir_.path(), dir_.path(), options, &log)) << log.error;
        for (int i = 0; i < 4; ++i) {
            ASSERT_TRUE(archives_[i].Open(dir_.File(kNames[i])));
            EXPECT_EQ(archives_[i].Version().major, 1);
            EXPECT_EQ(archives_[i].Version().minor, 3);
        }
    }
    ByteView Member(int archive, std::string_view name) {
        ByteView view;
        EXPECT_TRUE(archives_[archive].Find(name, &view)) << name;
        return view;
    }

    static constexpr const char* kNames[4] = {"Index.mf", "Code.mf", "List.mf", "Data.mf"};
    test::TempDir dir_;
    ArchiveFile archives_[4];
};

TEST_F(CompiledSet, DictionariesAreFrontCodedInFoldedOrder) {
    Compile(test::SourceFiles(), {});
    const ByteView idx = Member(0, "Namen.idx");
    ASSERT_EQ(idx.size(), 8u);
    EXPECT_EQ(I32(idx, 0), 2);
    EXPECT_EQ(I32(idx, 4), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Member(1, "namen.dz").data()), 14),
              std::string("\0\x04"
                          "Abel\0\x06M\xFCller",
                          14));
    const ByteView streets = Member(1, "Strassen.dz");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(streets.data()), streets.size()),
              std::string("\0\x09Hauptstr.\0\x05Markt", 18));
    // The name additions are one word of five parts joined by TABs.
    const ByteView additions = Member(1, "namezusatz.dz");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(additions.data()), additions.size()),
              std::string("\0\x07"
                          "Dr.\t\t\t\t",
                          9));
}

TEST_F(CompiledSet, ListsAreSortedInBlocksWithDescriptors) {
    Compile(test::SourceFiles(), {.list_block = 2});
    const ByteView index = Member(2, "Orte.i2");
    const ByteView data = Member(2, "Orte.z2");
    ASSERT_EQ(index.size(), 8u + 2 * 96);
    EXPECT_EQ(I32(index, 0), 3);
    EXPECT_EQ(I32(index, 4), 2);
    EXPECT_EQ(Text(index, 8, 82), "Aachen");
    EXPECT_EQ(Text(index, 8 + 96, 82), "Berlin");
    EXPECT_EQ(Text(index, 8 + 96 + 82, 6), "10115");
    const std::string block0 = Inflate(data.Sub(I32(index, 8 + 92), I32(index, 8 + 88)), 2 * 92);
    ASSERT_EQ(block0.size(), 2u * 92);
    const ByteView records(block0);
    EXPECT_EQ(Text(records, 92, 82), "\xC4rzteort");  // "ae" sorts before "b"
    EXPECT_EQ(Text(records, 92 + 82, 6), "12345");
    EXPECT_EQ(I32(records, 92 + 88), 1);
    const ByteView codes = Member(2, "PLZs.i2");
    EXPECT_EQ(Text(codes, 8, 12), "10115");
    const std::string postal =
        Inflate(Member(2, "PLZs.z2").Sub(I32(codes, 24), I32(codes, 20)), 184);
    EXPECT_EQ(Text(ByteView(postal), 92 + 6, 82), "Aachen");
    const ByteView areas = Member(2, "Vorwahlen.i2");
    const std::string area =
        Inflate(Member(2, "Vorwahlen.z2").Sub(I32(areas, 24), I32(areas, 20)), 192);
    EXPECT_EQ(Text(ByteView(area), 0, 10), "0241");
    EXPECT_EQ(I32(ByteView(area), 92), 1);
}

TEST_F(CompiledSet, TableRecordsBookDataAndRelations) {
    Compile(test::SourceFiles(), {});
    const ByteView index = Member(0, "MainTable.idx");
    ASSERT_EQ(index.size(), 10u + 16);
    EXPECT_EQ(I32(index, 0), 4);
    EXPECT_EQ(I32(index, 4), 1);
    const ByteView table = Member(3, "MainTable.z");
    const std::string block = Inflate(table.Sub(4, I32(table, 0)), 4 * 28);
    ASSERT_EQ(block.size(), 4u * 28);
    const ByteView records(block);
    std::uint32_t id = 0;
    // Book 0: Abel (no first name), Müller Hans with its sub-entry; book 1: Abel Anna.
    ASSERT_TRUE(records.U24BigEndian(15, &id));
    EXPECT_EQ(id, 1u);
    ASSERT_TRUE(records.U24BigEndian(28 + 15, &id));
    EXPECT_EQ(id, 2u);
    ASSERT_TRUE(records.U24BigEndian(28 + 21, &id));
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(block[28 + 3], 2);             // postal index 1 + 1
    EXPECT_EQ(block[28 + 6], 2 << 3);        // level 0, extension 2
    EXPECT_EQ(block[56 + 6], 1 | (1 << 6));  // sub-entry with the flag
    EXPECT_EQ(I32(records, 28 + 24), 301234);
    EXPECT_EQ(block[56 + 5], 1);  // call addition "mobil"
    EXPECT_EQ(block[84], 1);      // book 1
    const ByteView books = Member(0, "BookData.dat");
    ASSERT_GT(books.size(), 1740002u);
    EXPECT_EQ(I32(books, 2 + 8), 3);
    EXPECT_EQ(Text(books, 2 + 12, 76), "Berlin");
    EXPECT_EQ(Text(books, 2 + 108, 8), "10115");
    EXPECT_EQ(I32(books, I32(books, 2 + 88)), 30);
    EXPECT_EQ(I32(books, I32(books, 2 + 96) + 4), 10117);
    EXPECT_EQ(Text(books, I32(books, 2 + 104) + 25, 25), "Berlin-Mitte-Tiergarten-");
    EXPECT_EQ(I32(books, 2 + 116 + 8), 1);

    const ByteView streets = Member(3, "BookToStrassen.bhi");
    EXPECT_EQ(I32(streets, 0), 2);
    EXPECT_EQ(I32(streets, 4), 1);  // n = 1: the id itself
    EXPECT_EQ(I32(streets, 8), 1);
    EXPECT_EQ(I32(streets, 12), 2);
    const ByteView headings = Member(3, "BookToBezeichnungen.bhi");
    EXPECT_EQ(I32(headings, 8), 1);
    EXPECT_EQ(I32(headings, 16), 0);

    const ByteView names = Member(3, "NameToBooks.bhi");
    ASSERT_EQ(names.size(), 4u + 18 + 4);
    EXPECT_EQ(I32(names, 0), 2);
    ASSERT_TRUE(names.U24(4, &id));
    EXPECT_EQ(id, 1u);
    EXPECT_EQ(I32(names, 7), 0);
    std::int16_t count = 0;
    ASSERT_TRUE(names.I16(11, &count));
    EXPECT_EQ(count, 2);
    ASSERT_TRUE(names.I16(22 + 2, &count));
    EXPECT_EQ(count, 1);               // book area: 0, 1
    EXPECT_EQ(I32(names, 13 + 3), 0);  // Müller: only book 0, stored in the offset field
    EXPECT_GE(Member(0, "NameToBooks.tri2").size(), 13u);
}

TEST_F(CompiledSet, ReferenceTablesPhoneticCodesAndTips) {
    Compile(test::SourceFiles(), {});
    const ByteView countries = Member(0, "ausland.dat");
    ASSERT_EQ(countries.size(), 4u + 43);
    EXPECT_EQ(Text(countries, 4, 8), "0043");
    EXPECT_EQ(Text(countries, 4 + 11, 32), "\xD6sterreich");
    const ByteView banks = Member(0, "blz.dat");
    ASSERT_EQ(banks.size(), 4u + 105);
    EXPECT_EQ(Text(banks, 4 + 69, 6), "10115");
    EXPECT_EQ(Text(banks, 4 + 75, 30), "Berlin");
    const ByteView phonetic = Member(1, "phonetic.dat");
    ASSERT_EQ(phonetic.size(), 4u + 2 * 12 + 2 * 4);
    EXPECT_EQ(Text(phonetic, 4, 6), "APL");
    EXPECT_EQ(Text(phonetic, 16, 6), "MLR");
    EXPECT_EQ(I32(phonetic, 16 + 6), 1);
    EXPECT_EQ(I32(phonetic, 28 + 4), 2);
    const ByteView tips = Member(2, "TipsAndTricks.txt");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(tips.data()), tips.size()),
              "3\r\nTip one\r\n\r\nTip three\r\n");
}

}  // namespace
}  // namespace vendarion::mkdata
