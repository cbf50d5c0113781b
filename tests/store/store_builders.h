// Test-side writers of every store member, written independently of the data
// compiler from the byte layouts alone, so that tests can build tiny members with
// tiny blocks (and damage them on purpose).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/sorted_list.h"

namespace vendarion::test {

std::string Le16(std::int32_t value);
std::string Le24(std::uint32_t value);
std::string Be24(std::uint32_t value);
std::string Le32(std::int64_t value);
// text cut to width - 1 bytes and padded with zero bytes to width (terminated).
std::string Fixed(std::string_view text, std::size_t width);
// One zlib stream of bytes.
std::string Compress(std::string_view bytes);

struct ListEntry {
    std::string first;   // town name, postal code or area code
    std::string second;  // postal code of a town, town name of a code
    std::int32_t book = 0;
};
struct ListMembers {
    std::string index;  // ".i2"
    std::string data;   // ".z2"
};
// A sorted list of the kind from entries in the given order, per_block records to
// a block.
ListMembers BuildSortedList(ListKind kind, const std::vector<ListEntry>& entries, int per_block);

// Words sorted by their folded forms, equal folds by their bytes.
std::vector<std::string> SortedByFold(std::vector<std::string> words);

struct DictionaryMembers {
    std::string dz;
    std::string idx;
    std::string tri;
};
// A dictionary of words, which must be sorted by their folded forms.
DictionaryMembers BuildDictionary(const std::vector<std::string>& words);
// A trie over keys (sorted by folded form): every node's value is the value of the
// first key that begins with the node's path; the closing node of each run of
// siblings holds the value of the first key after the run's group (-1 when none);
// nodes at the end of a key's path have a run of just the closing node.
std::string BuildTrie(const std::vector<std::string>& keys, const std::vector<int>& values);

struct TableRecord {
    std::uint16_t book = 0;
    std::uint8_t place = 0;        // index + 1
    std::uint8_t postal_code = 0;  // index + 1
    std::uint8_t area_code = 0;    // index + 1
    std::uint8_t call_addition = 0;
    std::uint8_t level = 0;
    std::uint8_t extension = 0;
    bool flag = false;
    std::uint32_t heading = 0;
    std::uint32_t street = 0;
    std::uint16_t house_number = 0;
    std::uint32_t surname = 0;
    std::uint32_t first_name = 0;
    std::uint32_t name_additions = 0;
    std::int32_t phone = 0;
};
std::string EncodeRecord(const TableRecord& record);
struct TableMembers {
    std::string index;  // MainTable.idx
    std::string data;   // MainTable.z
};
// The table of records in the given order, 1024 to a block, each leaf key from the
// main entry of the block's first record, index levels with the given fan-out.
TableMembers BuildMainTable(const std::vector<TableRecord>& records, int fan_out);

// SubEntryNames.z over records in table order: per book (0 ... book_count - 1) the
// sub-entries whose surname is set and differs from their main entry's, by surname id
// and position, pairs_per_block to a block.
std::string BuildSubNameIndex(const std::vector<TableRecord>& records, std::size_t book_count,
                              std::uint32_t pairs_per_block);

struct BookInfo {
    std::int32_t entry_count = 0;
    std::string name;
    std::string town_postal_code;
    std::vector<std::int32_t> area_codes;  // without the leading zero
    std::vector<std::int32_t> postal_codes;
    std::vector<std::string> places;
};
std::string BuildBookData(const std::vector<BookInfo>& books);

// BookToStrassen.bhi / BookToBezeichnungen.bhi: the ascending ids of each book.
std::string BuildRelationIndex(const std::vector<std::vector<std::uint32_t>>& ids_per_book);
// NameToBooks.bhi: (surname id, books) ascending by id.
std::string BuildNameToBooks(
    const std::vector<std::pair<std::uint32_t, std::vector<std::int16_t>>>& entries);

std::string BuildCountries(const std::vector<std::vector<std::string>>& rows);  // code, mark, name
std::string BuildBanks(const std::vector<std::vector<std::string>>& rows);  // code, name, plz, town
// phonetic.dat: (code, ascending ids), ascending by code.
std::string BuildPhonetic(
    const std::vector<std::pair<std::string, std::vector<std::int32_t>>>& entries);

}  // namespace vendarion::test
