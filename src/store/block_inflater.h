// Inflates one zlib stream (header, deflate data, Adler-32 trailer) of a compressed
// block into a caller's buffer. Pure function, any thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/byte_view.h"

namespace vendarion {

// Inflates source into destination (capacity bytes) and succeeds only when the
// stream is whole and inflates to exactly expected_size bytes (<= capacity).
[[nodiscard]] bool InflateBlock(ByteView source, std::uint8_t* destination, std::size_t capacity,
                                std::size_t expected_size);

}  // namespace vendarion
