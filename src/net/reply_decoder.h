// Interprets a received reply: the error reply of kind 0, or the subscriber records
// of kind 3. Reads only inside the received data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/byte_view.h"
#include "net/internet_reply.h"

namespace vendarion {

// Returns 0 with the records in reply->entries, or an error code:
//   kind 0: the server's error code (its zero-terminated text, when data came, in
//     *text, cleaned with CleanServerText); an error reply with code 0: 8;
//   a kind other than 0 and 3: 8;
//   records of no texts, more than internet_format::kMaxRecords records, or a
//     record text without its terminator inside the data: 8.
// No records or no data: 0 with no entries.
[[nodiscard]] int DecodeReply(const RawReply& raw, InternetReply* reply, std::string* text);

// Splits data into count records of texts zero-terminated texts each (texts > 0),
// each text cleaned with CleanServerText; false when a text runs past the end of
// data. Texts beyond the needed ones stay
// in data unread.
[[nodiscard]] bool DecodeRecords(ByteView data, std::uint32_t texts, std::uint32_t count,
                                 std::vector<InternetEntry>* out);

}  // namespace vendarion
