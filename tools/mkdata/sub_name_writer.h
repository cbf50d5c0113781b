// The index of sub-entry surnames, "SubEntryNames.z" (data archive); its layout is in
// store/sub_name_index_format.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendarion::mkdata {

// The member from the pairs of every book (surname id << 32 | table position,
// ascending), pairs_per_block to a block; false when zlib fails or the member would
// pass 4 GiB.
[[nodiscard]] bool BuildSubNameIndex(const std::vector<std::vector<std::uint64_t>>& pairs_per_book,
                                     std::uint32_t pairs_per_block, int zlib_level,
                                     std::string* member);

}  // namespace vendarion::mkdata
