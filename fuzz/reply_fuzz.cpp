// Feeds arbitrary bytes to the Internet reply parser as a server's reply: the header
// lines, the reply header, the data and the records. The first byte chooses how many
// bytes each receive hands out, so that replies arrive in pieces of every size.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "net/byte_source.h"
#include "net/internet_error.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"

namespace {

class PiecewiseSource final : public vendarion::ByteSource {
public:
    PiecewiseSource(const std::uint8_t* data, std::size_t size, std::size_t piece)
        : data_(data), size_(size), piece_(piece) {}
    vendarion::Received Receive(std::uint8_t* out, std::size_t size) override {
        const std::size_t count = std::min({size, piece_, size_ - position_});
        if (count > 0) std::memcpy(out, data_ + position_, count);
        position_ += count;
        return {count, 0};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t piece_;
    std::size_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = data[0] == 0 ? SIZE_MAX : data[0];
    PiecewiseSource source(data + 1, size - 1, piece);
    vendarion::RawReply raw;
    std::string text;
    int code = vendarion::ReceiveReply(source, &raw, &text);
    if (code == 0) {
        if (raw.data.size() != raw.header.data_size) std::abort();
        vendarion::InternetReply reply;
        code = vendarion::DecodeReply(raw, &reply, &text);
        if (code != 0 && !reply.entries.empty()) std::abort();
        if (reply.entries.size() > raw.header.record_count) std::abort();
        for (const vendarion::InternetEntry& entry : reply.entries) {
            if (entry.entry.level < 0 || entry.entry.level > 7 || entry.entry.flag > 1)
                std::abort();
        }
    }
    (void)vendarion::InternetErrorText(code, text);
    return 0;
}
