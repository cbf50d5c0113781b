// Building BookData.dat (index archive).
//
//   offset            width  field
//   0                 2      uint16 number of books
//   2 + 116 * b       116    record of book b; room for 15000 books, unused records zero
//   1740002           ...    the books' arrays, book after book: area codes (int32,
//                            without the leading zero), postal codes (int32), place
//                            names (25 bytes, zero-terminated)
//
// Book record (116 bytes):
//   0    int32 book number          4    int32 number of place names
//   8    int32 entries in the table 12   name[76], zero-terminated
//   88   int32 offset of the area-code array (from the start of BookData.dat)
//   92   int32 number of area codes 96   int32 offset of the postal-code array
//   100  int32 number of postal codes
//   104  int32 offset of the place-name array
//   108  town postal code[8], zero-terminated
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "source_data.h"

namespace vendarion::mkdata {

inline constexpr std::size_t kBookRecordSize = 116;
inline constexpr std::size_t kBookArrayStart = 2 + kBookRecordSize * kMaxBooks;

// entry_counts holds the number of table records of each book.
std::string BuildBookData(const std::vector<Book>& books,
                          const std::vector<std::int32_t>& entry_counts);

}  // namespace vendarion::mkdata
