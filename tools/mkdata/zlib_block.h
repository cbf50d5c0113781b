// One zlib stream (header, deflate data, Adler-32 trailer) per block, as the readers
// inflate them with a single uncompress call.
#pragma once

#include <string>
#include <string_view>

namespace vendarion::mkdata {

// Appends the zlib stream of bytes to out; level 0 to 9. False when zlib fails.
[[nodiscard]] bool AppendZlibBlock(std::string_view bytes, int level, std::string* out);

}  // namespace vendarion::mkdata
