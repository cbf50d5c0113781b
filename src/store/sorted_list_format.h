// Byte layout of the three compressed sorted lists of the list archive: towns
// ("Orte"), postal codes ("PLZs") and area codes ("Vorwahlen"). Each list is an
// index member (".i2") and a data member (".z2"). Integers little-endian.
//
// Index member:
//   0   4                      int32 record count N
//   4   4                      int32 records per block B (>= 1)
//   8   ceil(N / B) * D        block descriptors, in block order
//
// Town block descriptor (D = 96):
//   0   88   key: the first 88 bytes of the block's first record
//   88  4    int32 compressed length of the block
//   92  4    int32 offset of the block inside the data member
// Postal-code and area-code block descriptor (D = 20):
//   0   12   key: code text of the block's first record, zero-terminated
//   12  4    int32 compressed length
//   16  4    int32 offset inside the data member
//
// Data member: at each descriptor's offset one zlib stream that inflates to B
// records (the last block to N - (blocks - 1) * B), back to back, no header.
//
// Town record (92 bytes):          Postal-code record (92):      Area-code record (96):
//   0   82  town name, zero-term.    0  6   postal code text       0  10  area code "0..."
//   82  6   postal code text         6  82  town name              10 82  town name
//   88  4   int32 book number        88 4   int32 book number      92 4   int32 book number
//
// Towns are sorted by their folded names, codes by plain byte order.
#pragma once

#include <cstddef>

namespace vendarion::sorted_list_format {

inline constexpr std::size_t kHeaderSize = 8;
inline constexpr std::size_t kCount = 0;
inline constexpr std::size_t kPerBlock = 4;

struct ListLayout {
    const char* index_member;
    const char* data_member;
    std::size_t record_size;
    std::size_t descriptor_size;
    std::size_t key_width;      // descriptor key field
    std::size_t first_width;    // first (sorted) record field
    std::size_t second_offset;  // second record field
    std::size_t second_width;
    std::size_t book_offset;  // int32 book number
    bool folded;              // true: compare under FoldText
};

inline constexpr ListLayout kTownLayout = {"Orte.i2", "Orte.z2", 92, 96, 88, 82, 82, 6, 88, true};
inline constexpr ListLayout kPostalCodeLayout = {"PLZs.i2", "PLZs.z2", 92, 20, 12,
                                                 6,         6,         82, 88, false};
inline constexpr ListLayout kAreaCodeLayout = {
    "Vorwahlen.i2", "Vorwahlen.z2", 96, 20, 12, 10, 10, 82, 92, false};

}  // namespace vendarion::sorted_list_format
