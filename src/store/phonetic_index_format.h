// Byte layout of "phonetic.dat" (code archive): the surnames of every phonetic code.
// Integers little-endian.
//
//   0            4        int32 n: number of codes
//   4            12 * n   code entries, ascending by code text (byte order)
//   4 + 12 * n   rest     id array: int32 surname ids (word number in "Namen" + 1),
//                         ascending within an entry
//
// Code entry (12 bytes):
//   0   6   phonetic code text, at most five characters, zero-terminated
//   6   4   int32 index of the entry's first id in the id array
//   10  2   int16 number of ids
#pragma once

#include <cstddef>

namespace vendarion::phonetic_index_format {

inline constexpr char kMember[] = "phonetic.dat";
inline constexpr std::size_t kHeaderSize = 4;
inline constexpr std::size_t kEntrySize = 12;
inline constexpr std::size_t kCodeWidth = 6;
inline constexpr std::size_t kFirst = 6;
inline constexpr std::size_t kCount = 10;
inline constexpr std::size_t kIdSize = 4;

}  // namespace vendarion::phonetic_index_format
