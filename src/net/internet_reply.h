// What one Internet query page brings back: the reply header and the records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/subscriber_entry.h"

namespace vendarion {

// The five integers of the reply header that are read (internet_format.h).
struct InternetReplyHeader {
    std::uint32_t kind = 0;
    std::uint32_t code_or_total = 0;  // kind 0: the error code; kind 3: all matches
    std::uint32_t texts_per_record = 0;
    std::uint32_t record_count = 0;
    std::uint32_t data_size = 0;

    // The number of matches of all pages, as the signed value the server sent.
    std::int32_t Total() const { return static_cast<std::int32_t>(code_or_total); }
    bool operator==(const InternetReplyHeader&) const = default;
};

// A received record: a subscriber entry and one more text that is kept unused.
struct InternetEntry {
    SubscriberEntry entry;
    std::string extra;
    bool operator==(const InternetEntry&) const = default;
};

struct InternetReply {
    InternetReplyHeader header;
    std::vector<InternetEntry> entries;
};

// A reply as received, before its data is interpreted.
struct RawReply {
    InternetReplyHeader header;
    std::vector<std::uint8_t> data;  // exactly header.data_size bytes once complete
};

}  // namespace vendarion
