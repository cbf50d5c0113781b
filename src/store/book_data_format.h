// Byte layout of "BookData.dat" (index archive), one record per book (local
// directory). Integers little-endian.
//
//   0         2            not read
//   2 + 116b  116          record of book b (b = 0 ... 14999)
//   1740002   variable     arrays referenced by offsets in the records
//
// Book record (116 bytes):
//   0    8    not read
//   8    4    int32 number of records of this book in the subscriber table
//   12   76   book name, zero-terminated, Windows-1252
//   88   4    int32 offset (from the start of the member) of the area-code array:
//             int32 values without the leading zero
//   92   4    not read
//   96   4    int32 offset of the postal-code array: int32 values
//   100  4    not read
//   104  4    int32 offset of the place-name array: 25-byte zero-terminated names
//   108  8    postal code text shown beside the book name, zero-terminated
#pragma once

#include <cstddef>

namespace vendarion::book_data_format {

inline constexpr char kMember[] = "BookData.dat";
inline constexpr std::size_t kRecordsStart = 2;
inline constexpr std::size_t kRecordSize = 116;
inline constexpr std::size_t kArraysStart = 1740002;
inline constexpr int kBookCount = static_cast<int>((kArraysStart - kRecordsStart) / kRecordSize);

inline constexpr std::size_t kEntryCount = 8;
inline constexpr std::size_t kName = 12;
inline constexpr std::size_t kNameWidth = 76;
inline constexpr std::size_t kAreaCodes = 88;
inline constexpr std::size_t kPostalCodes = 96;
inline constexpr std::size_t kPlaceNames = 104;
inline constexpr std::size_t kTownPostalCode = 108;
inline constexpr std::size_t kTownPostalCodeWidth = 8;
inline constexpr std::size_t kPlaceNameSize = 25;

}  // namespace vendarion::book_data_format
