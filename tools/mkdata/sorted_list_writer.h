// Building the town, postal-code and area-code lists of the list archive.
//
// X.i2: int32 record count N; int32 records per block B; one block descriptor per
//       block: the key (towns: the first 88 bytes of the block's first record; codes:
//       the code text in 12 bytes, zero-terminated), int32 compressed length, int32
//       offset in X.z2.
// X.z2: one zlib stream per block of B records.
// Town record (92 bytes):        name[82], postal code[6], int32 book.
// Postal-code record (92 bytes): postal code[6], town name[82], int32 book.
// Area-code record (96 bytes):   area code[10], town name[82], int32 book.
// Towns are sorted by folded name, codes by their bytes; ties by the other fields.
#pragma once

#include <string>
#include <vector>

#include "source_data.h"
#include "source_reader.h"

namespace vendarion::mkdata {

struct SortedListMembers {
    std::string i2;
    std::string z2;
};

// The two members of one list; false when zlib fails.
[[nodiscard]] bool BuildSortedList(ListKind kind, std::vector<ListRecord> records,
                                   int records_per_block, int zlib_level,
                                   SortedListMembers* members);

// Member name stem of a list: "Orte", "PLZs", "Vorwahlen".
const char* SortedListName(ListKind kind);

}  // namespace vendarion::mkdata
