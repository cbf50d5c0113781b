#include "zlib_block.h"

#include <zlib.h>

namespace vendarion::mkdata {

bool AppendZlibBlock(std::string_view bytes, int level, std::string* out) {
    const std::size_t start = out->size();
    uLongf length = compressBound(static_cast<uLong>(bytes.size()));
    out->resize(start + length);
    const int result = compress2(reinterpret_cast<Bytef*>(out->data() + start), &length,
                                 reinterpret_cast<const Bytef*>(bytes.data()),
                                 static_cast<uLong>(bytes.size()), level);
    out->resize(result == Z_OK ? start + length : start);
    return result == Z_OK;
}

}  // namespace vendarion::mkdata
