#include "reply_bytes.h"

#include <algorithm>
#include <cstring>

namespace vendarion::test {

std::string HttpReply(std::string_view body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: application/vendarion\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + std::string(body);
}

std::string ReplyHeader(std::uint32_t kind, std::uint32_t code_or_total, std::uint32_t texts,
                        std::uint32_t records, std::uint32_t data_size) {
    std::string header;
    for (const std::uint32_t value : {kind, code_or_total, 0u, 0u, texts, records, data_size, 0u}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            header.push_back(static_cast<char>((value >> shift) & 0xff));
        }
    }
    return header;
}

Received MemorySource::Receive(std::uint8_t* data, std::size_t size) {
    const std::size_t count = std::min({size, chunk_, bytes_.size() - position_});
    if (count == 0) return {0, final_error_};
    std::memcpy(data, bytes_.data() + position_, count);
    position_ += count;
    return {count, 0};
}

}  // namespace vendarion::test
