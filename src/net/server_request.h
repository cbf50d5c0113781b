// One request to the directory server as a web server hands it over, through CGI or
// FastCGI alike: the request method, the Content-Length text and a stream with the
// body. Only a POST with a body of at most kMaxRequestBody bytes, all of which
// arrive, is searched; anything else gets the error reply kUnreadableRequest.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "net/byte_source.h"
#include "net/directory_server.h"

namespace vendarion {

// A form of seven texts stays far below this.
inline constexpr std::size_t kMaxRequestBody = 64 * 1024;

// The body of Content-Length bytes from source; false when the method is not POST,
// the length is not a decimal number or too large, or the body ends early.
[[nodiscard]] bool ReadRequestBody(std::string_view method, std::string_view content_length,
                                   ByteSource& source, std::string* body);

// The reply body for the request.
std::string AnswerRequest(std::string_view method, std::string_view content_length,
                          ByteSource& source, DirectoryServer& server);

}  // namespace vendarion
