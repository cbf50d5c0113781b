// Building the relation indexes of the data archive.
//
// BookToStrassen.bhi, BookToBezeichnungen.bhi: int32 book count BC; BC entries of
//   (int32 offset in the id area, int32 n); the id area. A book's n ids (word number
//   + 1, ascending) are 3-byte little-endian values at the offset; when n = 1 the
//   offset field holds the id itself and the id area nothing.
// NameToBooks.bhi: int32 entry count E; E entries of 9 bytes (3-byte little-endian
//   surname id, int32 byte offset in the book area, int16 book count), ascending by
//   id; the book area of int16 book numbers, ascending per entry. When the count is 1
//   the offset field holds the book number itself.
// NameToBooks.tri2 (index archive): the trie of the entries' surnames
//   (trie_builder.h), values are entry numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary_writer.h"

namespace vendarion::mkdata {

// ids_per_book: each book's ids, ascending and distinct.
std::string BuildBookRelation(const std::vector<std::vector<std::uint32_t>>& ids_per_book);

struct NameToBooksMembers {
    std::string bhi;
    std::string tri2;
};

// pairs: surname id << 16 | book, ascending and distinct; surnames: the "Namen"
// dictionary the ids refer to.
NameToBooksMembers BuildNameToBooks(const std::vector<std::uint64_t>& pairs,
                                    const SortedWords& surnames);

}  // namespace vendarion::mkdata
