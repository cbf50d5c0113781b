#include "zlib_block.h"

#include <libdeflate.h>

namespace vendarion::mkdata {

ZlibCompressor::ZlibCompressor(int level) : compressor_(libdeflate_alloc_compressor(level)) {}

ZlibCompressor::~ZlibCompressor() { libdeflate_free_compressor(compressor_); }

bool ZlibCompressor::Append(std::string_view bytes, std::string* out) {
    if (compressor_ == nullptr) return false;
    const std::size_t start = out->size();
    out->resize(start + libdeflate_zlib_compress_bound(compressor_, bytes.size()));
    const std::size_t length = libdeflate_zlib_compress(compressor_, bytes.data(), bytes.size(),
                                                        out->data() + start, out->size() - start);
    out->resize(start + length);
    return length != 0;
}

}  // namespace vendarion::mkdata
