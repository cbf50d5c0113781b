// One zlib stream (header, deflate data, Adler-32 trailer) per block, as the readers
// inflate them with a single uncompress call. Compressed with libdeflate, which
// writes standard zlib streams in about a third of zlib's time.
#pragma once

#include <string>
#include <string_view>

struct libdeflate_compressor;

namespace vendarion::mkdata {

// One compressor per thread: it keeps libdeflate's work tables between blocks.
class ZlibCompressor {
public:
    // Level 0 to 9; Valid() is false when the compressor could not be made.
    explicit ZlibCompressor(int level);
    ~ZlibCompressor();
    ZlibCompressor(const ZlibCompressor&) = delete;
    ZlibCompressor& operator=(const ZlibCompressor&) = delete;

    bool Valid() const { return compressor_ != nullptr; }
    // Appends the zlib stream of bytes to out; false (out unchanged) on failure.
    [[nodiscard]] bool Append(std::string_view bytes, std::string* out);

private:
    libdeflate_compressor* compressor_;
};

}  // namespace vendarion::mkdata
