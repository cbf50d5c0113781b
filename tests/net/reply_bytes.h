// Building blocks of server replies for the tests: the HTTP header lines, a reply
// header with any values, and a source that hands out a block of bytes in pieces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/byte_source.h"

namespace vendarion::test {

// "HTTP/1.0 200 OK", the content type and the length of body, each ended by CR LF,
// the empty line, then body.
std::string HttpReply(std::string_view body);

// The 32-byte reply header with the given values (big-endian).
std::string ReplyHeader(std::uint32_t kind, std::uint32_t code_or_total, std::uint32_t texts,
                        std::uint32_t records, std::uint32_t data_size);

// Hands out bytes at most chunk at a time, then reports the end of the stream (or
// the error code when one is given).
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view bytes, std::size_t chunk = SIZE_MAX, int final_error = 0)
        : bytes_(bytes), chunk_(chunk), final_error_(final_error) {}
    Received Receive(std::uint8_t* data, std::size_t size) override;
    // Bytes handed out so far.
    std::size_t Consumed() const { return position_; }

private:
    std::string_view bytes_;
    std::size_t chunk_;
    int final_error_;
    std::size_t position_ = 0;
};

}  // namespace vendarion::test
