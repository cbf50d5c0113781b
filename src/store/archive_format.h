// Byte layout of an archive file (Index.mf, Code.mf, List.mf, Data.mf). All integers
// little-endian.
//
//   offset          width        field
//   0               variable     member data, back to back, any order and alignment
//   D               count * 88   directory: count entries of 88 bytes
//   file size - 4   4            D: uint32 offset of the directory
//
// count is not stored: it is (file size - D - 4) / 88, rounded down (a remainder is
// ignored).
//
// Directory entry (88 bytes):
//   0   4    uint32 offset of the member's first byte from the start of the file
//   4   4    uint32 length of the member in bytes
//   8   80   member name, ASCII, zero-terminated when shorter than 80 bytes
//
// VERSION member (optional; missing means version 1.1):
//   0   2    int16 major version
//   2   2    int16 minor version
#pragma once

#include <cstddef>

namespace vendarion::archive_format {

inline constexpr std::size_t kEntrySize = 88;
inline constexpr std::size_t kEntryOffset = 0;
inline constexpr std::size_t kEntryLength = 4;
inline constexpr std::size_t kEntryName = 8;
inline constexpr std::size_t kNameWidth = 80;
inline constexpr std::size_t kTrailerSize = 4;
inline constexpr std::size_t kVersionSize = 4;
inline constexpr char kVersionMember[] = "VERSION";

}  // namespace vendarion::archive_format
