#include "net/server_request.h"

#include <charconv>
#include <cstdint>

namespace vendarion {

bool ReadRequestBody(std::string_view method, std::string_view content_length, ByteSource& source,
                     std::string* body) {
    if (method != "POST") return false;
    std::size_t length = 0;
    const char* const end = content_length.data() + content_length.size();
    const auto [stop, error] = std::from_chars(content_length.data(), end, length);
    if (content_length.empty() || error != std::errc() || stop != end || length > kMaxRequestBody) {
        return false;
    }
    body->resize(length);
    std::size_t done = 0;
    while (done < length) {
        const Received got =
            source.Receive(reinterpret_cast<std::uint8_t*>(body->data()) + done, length - done);
        if (got.error != 0 || got.count == 0) return false;
        done += got.count;
    }
    return true;
}

std::string AnswerRequest(std::string_view method, std::string_view content_length,
                          ByteSource& source, DirectoryServer& server) {
    std::string body;
    if (!ReadRequestBody(method, content_length, source, &body)) {
        return ServerErrorReply(server_error::kUnreadableRequest);
    }
    return server.Answer(body);
}

}  // namespace vendarion
