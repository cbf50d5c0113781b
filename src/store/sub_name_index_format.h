// Byte layout of "SubEntryNames.z" (data archive): per book, the table positions of
// the sub-entries whose surname is not empty and differs from their main entry's,
// ordered by that surname's id and then by position. A search for a surname range
// finds them here instead of walking the whole book; sub-entries that share their
// main entry's surname are found with the main entry. The member is optional: a data
// set without it is searched by walking. Integers little-endian.
//
//   0            4        uint32 book count B (books from B on have no pairs)
//   4            4        uint32 pairs per block P (>= 1)
//   8            4        uint32 block count K
//   12           12 * B   book entries
//   12 + 12 * B  12 * K   block entries
//   then                  the blocks
//
// Book entry (12 bytes): uint32 first block, uint32 block count, uint32 pair count;
// block count = ceil(pair count / P), the book's blocks are consecutive and hold
// only its pairs (P to a block, the last block of a book the rest).
//
// Block entry (12 bytes): uint32 surname id of the block's first pair, uint32 offset
// of the block from the start of the member, uint32 compressed length.
//
// Block: one zlib stream that inflates to 8 bytes per pair, each pair two uint32:
//   id step       surname id minus the previous pair's (0 for the block's first pair,
//                 whose id is the block entry's)
//   position      when the id step is 0 and the pair is not the block's first: the
//                 table position minus the previous pair's; otherwise the table
//                 position itself
// A surname id is the word number in "Namen" + 1, a table position the record number
// in MainTable.z.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vendarion::sub_name_index_format {

inline constexpr char kMember[] = "SubEntryNames.z";

inline constexpr std::size_t kBookCount = 0;
inline constexpr std::size_t kPairsPerBlock = 4;
inline constexpr std::size_t kBlockCount = 8;
inline constexpr std::size_t kHeaderSize = 12;

inline constexpr std::size_t kBookEntrySize = 12;
inline constexpr std::size_t kBookFirstBlock = 0;
inline constexpr std::size_t kBookBlocks = 4;
inline constexpr std::size_t kBookPairs = 8;

inline constexpr std::size_t kBlockEntrySize = 12;
inline constexpr std::size_t kBlockFirstId = 0;
inline constexpr std::size_t kBlockOffset = 4;
inline constexpr std::size_t kBlockLength = 8;

inline constexpr std::size_t kPairSize = 8;
// What the data compiler writes; the reader accepts any P >= 1 up to kMaxPairsPerBlock.
inline constexpr std::uint32_t kDefaultPairsPerBlock = 1024;
inline constexpr std::uint32_t kMaxPairsPerBlock = 65536;

}  // namespace vendarion::sub_name_index_format
