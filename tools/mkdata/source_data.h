// Everything the compiler reads from the source files, in memory, texts already in
// Windows-1252. Subscriber entries are kept as 28-byte records whose dictionary ids
// are provisional numbers of the word tables (number + 1) until the dictionaries are
// sorted.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "subscriber_record.h"
#include "word_table.h"

namespace vendarion::mkdata {

// The book record area has room for this many books.
inline constexpr int kMaxBooks = 15000;

struct Book {
    std::string name;
    std::string town_postal_code;
    std::vector<std::int32_t> area_codes;  // without the leading zero
    std::vector<std::int32_t> postal_codes;
    std::vector<std::string> places;  // at most 24 bytes each
};

// One record of the town, postal-code or area-code list: the sort field (town name or
// code text), the second column (postal code or town name) and the book.
struct ListRecord {
    std::string key;
    std::string second;
    std::int32_t book;
};

struct Country {
    std::string code;
    std::string mark;
    std::string name;
};

struct Bank {
    std::string code;
    std::string name;
    std::string postal_code;
    std::string town;
};

struct SubscriberData {
    std::array<WordTable, kDictionaryCount> words;
    // In file order: each main entry followed by its sub-entries.
    std::vector<Record> records;
    // Index in records of every main entry, ascending.
    std::vector<std::uint32_t> main_starts;
};

struct SourceData {
    std::vector<Book> books;
    std::vector<ListRecord> towns;
    std::vector<ListRecord> postal_codes;
    std::vector<ListRecord> area_codes;
    SubscriberData subscribers;
    std::vector<Country> countries;
    std::vector<Bank> banks;
    std::vector<std::string> tips;
};

}  // namespace vendarion::mkdata
