// Byte layout of the subscriber table: "MainTable.idx" (index archive) and
// "MainTable.z" (data archive). Integers little-endian unless marked.
//
// MainTable.idx:
//   0    4                          uint32 record count N
//   4    4                          uint32 block count K (leaf entries), ceil(N / 1024)
//   8    2                          int16 fan-out F of the index levels (>= 1)
//   10   16 * (L3 + L2 + L1 + K)    index entries: level 3, level 2, level 1, leaves
// with L1 = K / F, L2 = L1 / F, L3 = L2 / F (a level may be empty).
//
// Index entry (16 bytes): int32 book, int32 surname id, int32 first-name id (the key,
// compared as signed integers in that order), int32 offset. Leaf k holds the key of
// the first record of block k and the block's position in MainTable.z; entry j of
// levels 1-3 holds the key of entry (j + 1) * F of the level below (offset unread).
//
// MainTable.z, at each block's offset: uint32 compressed length L, then L bytes of
// one zlib stream that inflates to 1024 records (the last block to the rest).
//
// Subscriber record (28 bytes); ids are dictionary word number + 1, 0 = none:
//   0    2   uint16 book number
//   2    1   place-name index + 1 within the book (0: none)
//   3    1   postal-code index + 1 within the book (0: none)
//   4    1   area-code index + 1 within the book (0: none)
//   5    1   id in "rufzusatz" (call addition)
//   6    1   flags: bits 0-2 level (0 main entry, 1-7 sub-entry depth), bits 3-5
//            extension length E, bit 6 flag, bit 7 unread
//   7    3   big-endian id in "bezeichnungen" (heading)
//   10   3   big-endian id in "Strassen" (street)
//   13   2   uint16 id in "hausnr" (house number)
//   15   3   big-endian id in "Namen" (surname)
//   18   3   big-endian id in "Vornamen" (first name)
//   21   3   big-endian id in "namezusatz" (name additions, four tabs inside)
//   24   4   int32 phone number (0: none)
// Main entries are sorted by (book, surname id, first-name id), each followed by its
// sub-entries; the entries of one book are contiguous.
#pragma once

#include <cstddef>

namespace vendarion::main_table_format {

inline constexpr char kIndexMember[] = "MainTable.idx";
inline constexpr char kDataMember[] = "MainTable.z";

inline constexpr std::size_t kRecordCount = 0;
inline constexpr std::size_t kBlockCount = 4;
inline constexpr std::size_t kFanOut = 8;
inline constexpr std::size_t kHeaderSize = 10;
inline constexpr std::size_t kEntrySize = 16;
inline constexpr std::size_t kEntryOffset = 12;
inline constexpr std::size_t kLengthSize = 4;

inline constexpr int kRecordsPerBlock = 1024;
inline constexpr std::size_t kRecordSize = 28;

inline constexpr std::size_t kBook = 0;
inline constexpr std::size_t kPlace = 2;
inline constexpr std::size_t kPostalCode = 3;
inline constexpr std::size_t kAreaCode = 4;
inline constexpr std::size_t kCallAddition = 5;
inline constexpr std::size_t kFlags = 6;
inline constexpr std::size_t kHeading = 7;
inline constexpr std::size_t kStreet = 10;
inline constexpr std::size_t kHouseNumber = 13;
inline constexpr std::size_t kSurname = 15;
inline constexpr std::size_t kFirstName = 18;
inline constexpr std::size_t kNameAdditions = 21;
inline constexpr std::size_t kPhone = 24;

inline constexpr unsigned kLevelMask = 0x07;
inline constexpr unsigned kExtensionShift = 3;
inline constexpr unsigned kExtensionMask = 0x07;
inline constexpr unsigned kFlagBit = 0x40;

}  // namespace vendarion::main_table_format
