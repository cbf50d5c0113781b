#include "store/block_inflater.h"

#include <libdeflate.h>

#include <memory>

namespace vendarion {
namespace {

struct DecompressorDeleter {
    void operator()(libdeflate_decompressor* decompressor) const {
        libdeflate_free_decompressor(decompressor);
    }
};

// One decompressor per thread, made on first use: it holds only scratch tables, so
// keeping it saves an allocation per block without sharing state between threads.
libdeflate_decompressor* ThreadDecompressor() {
    thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> decompressor(
        libdeflate_alloc_decompressor());
    return decompressor.get();
}

}  // namespace

// libdeflate reads the zlib format (header, deflate data, Adler-32 trailer, all
// checked) about twice as fast as zlib. Asked for exactly expected_size bytes, it
// fails on a stream that is cut short or inflates to fewer or more bytes; bytes after
// the end of the stream are ignored, as zlib's uncompress ignores them.
bool InflateBlock(ByteView source, std::uint8_t* destination, std::size_t capacity,
                  std::size_t expected_size) {
    if (source.data() == nullptr || expected_size > capacity) return false;
    libdeflate_decompressor* decompressor = ThreadDecompressor();
    if (decompressor == nullptr) return false;
    return libdeflate_zlib_decompress(decompressor, source.data(), source.size(), destination,
                                      expected_size, nullptr) == LIBDEFLATE_SUCCESS;
}

}  // namespace vendarion
