// Ordering the subscriber records and streaming them into MainTable.z, collecting
// on the way what the book data and the relation indexes need.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary_writer.h"
#include "source_data.h"
#include "store/archive_writer.h"

namespace vendarion::mkdata {

struct TableProducts {
    std::vector<std::int32_t> entry_counts;            // records per book
    std::vector<std::vector<std::uint32_t>> streets;   // street ids per book
    std::vector<std::vector<std::uint32_t>> headings;  // heading ids per book
    std::vector<std::uint64_t> name_pairs;             // surname id << 16 | book
    // Per book, ascending: surname id << 32 | table position of each sub-entry whose
    // surname is not empty and differs from its main entry's.
    std::vector<std::vector<std::uint64_t>> sub_names;
    std::string index_member;  // MainTable.idx
};

// Replaces the provisional word numbers in the records by the sorted ones (+ 1).
void RenumberRecords(const std::array<SortedWords, kDictionaryCount>& sorted, SubscriberData* data);

// Writes MainTable.z into archive: main entries sorted by (book, surname id,
// first-name id), ties in file order, each followed by its sub-entries.
[[nodiscard]] bool WriteSubscriberTable(const SubscriberData& data, std::size_t book_count,
                                        int fan_out, int zlib_level, ArchiveWriter* archive,
                                        TableProducts* products, std::string* error);

}  // namespace vendarion::mkdata
