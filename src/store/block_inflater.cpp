#include "store/block_inflater.h"

#include <zlib.h>

#include <limits>

namespace vendarion {

bool InflateBlock(ByteView source, std::uint8_t* destination, std::size_t capacity,
                  std::size_t expected_size) {
    if (source.data() == nullptr || expected_size > capacity) return false;
    if (source.size() > std::numeric_limits<uLong>::max() ||
        capacity > std::numeric_limits<uLongf>::max()) {
        return false;
    }
    uLongf inflated = static_cast<uLongf>(capacity);
    const int result =
        ::uncompress(destination, &inflated, source.data(), static_cast<uLong>(source.size()));
    return result == Z_OK && inflated == expected_size;
}

}  // namespace vendarion
