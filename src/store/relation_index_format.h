// Byte layout of the relation indexes. Integers little-endian.
//
// "BookToStrassen.bhi" and "BookToBezeichnungen.bhi" (data archive): which street or
// heading words each book has.
//   0            4        int32 BC: number of books covered (0 ... BC - 1)
//   4            8 * BC   book entries in book order: int32 offset into the id area,
//                         int32 n (number of words). With n = 1 the offset field
//                         holds the single id and the id area nothing for the book.
//   4 + 8 * BC   rest     id area: per book n 3-byte unsigned ids, ascending
// Ids are word number + 1 in "Strassen" or "bezeichnungen".
//
// "NameToBooks.bhi" (data archive): the books each surname occurs in.
//   0           4       int32 E: number of name entries
//   4           9 * E   name entries, ascending by id:
//                         0  3  unsigned surname id (word number in "Namen" + 1)
//                         3  4  int32 offset into the book area; with a book count
//                               of 1 the book number itself
//                         7  2  int16 number of books
//   4 + 9 * E   rest    book area: int16 book numbers
//
// "NameToBooks.tri2" (index archive): a trie (trie_format.h) whose values are
// name-entry numbers.
#pragma once

#include <cstddef>

namespace vendarion::relation_index_format {

inline constexpr char kStreetsMember[] = "BookToStrassen.bhi";
inline constexpr char kHeadingsMember[] = "BookToBezeichnungen.bhi";
inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::size_t kBookEntrySize = 8;
inline constexpr std::size_t kIdSize = 3;

inline constexpr char kNamesMember[] = "NameToBooks.bhi";
inline constexpr char kNamesTrieMember[] = "NameToBooks.tri2";
inline constexpr std::size_t kNameEntrySize = 9;
inline constexpr std::size_t kNameOffset = 3;
inline constexpr std::size_t kNameBookCount = 7;
inline constexpr std::size_t kBookNumberSize = 2;
// Find walks at most this many entries from the trie's starting point.
inline constexpr int kNameWalkLimit = 1000000;

}  // namespace vendarion::relation_index_format
