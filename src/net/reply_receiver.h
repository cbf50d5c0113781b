// Receives an Internet query reply: the HTTP header lines, the 32-byte reply header
// and the data it announces. Reads exactly the bytes of the reply it needs and
// never trusts a size before the bytes have arrived: memory grows with what was
// really received.
#pragma once

#include <cstdint>
#include <string>

#include "net/byte_source.h"
#include "net/internet_reply.h"

namespace vendarion {

// Returns 0 with the header and the complete data in *raw, or an error code:
//   a status other than 200: that status, with the status line from the status
//     number on in *text (cleaned with CleanServerText); a status line without a status number of
//     100-999: 8;
//   a header line of 1023 or more bytes before its CR LF: 5;
//   a Content-Type without "application/vendarion", a Content-Length below 32, or
//     other than exactly one status, type and length line, or more than
//     internet_format::kMaxHeaderLines header lines: 8;
//   the connection closing before the header lines, the reply header or the
//     announced data are complete: 5;
//   a data size above internet_format::kMaxDataSize: 8;
//   a failed receive: its code.
[[nodiscard]] int ReceiveReply(ByteSource& source, RawReply* raw, std::string* text);
// The same with a smaller bound of the data size (a page's bound, MaxPageData).
[[nodiscard]] int ReceiveReply(ByteSource& source, std::uint32_t max_data_size, RawReply* raw,
                               std::string* text);

}  // namespace vendarion
