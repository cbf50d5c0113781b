#include "net/reply_receiver.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/byte_view.h"
#include "net/decimal_prefix.h"
#include "net/internet_error.h"
#include "net/internet_format.h"

namespace vendarion {
namespace {

namespace format = internet_format;

// Hands out the bytes of a source one at a time or in blocks, receiving in chunks.
class BufferedSource {
public:
    explicit BufferedSource(ByteSource& source) : source_(source) {}

    // The next byte, or -1 when the connection closed or a receive failed (Error()).
    int Next() {
        if (begin_ == end_ && !Fill()) return -1;
        return buffer_[begin_++];
    }
    // Appends exactly n bytes to out, growing it only by what has arrived; false
    // when the connection closed or a receive failed first.
    bool Read(std::size_t n, std::vector<std::uint8_t>* out) {
        while (n > 0) {
            if (begin_ == end_ && !Fill()) return false;
            const std::size_t take = std::min(n, end_ - begin_);
            out->insert(out->end(), buffer_.begin() + static_cast<std::ptrdiff_t>(begin_),
                        buffer_.begin() + static_cast<std::ptrdiff_t>(begin_ + take));
            begin_ += take;
            n -= take;
        }
        return true;
    }
    // The code of the last failure: the receive's error, or 5 for an early close.
    int Error() const { return error_; }

private:
    bool Fill() {
        const Received received = source_.Receive(buffer_.data(), buffer_.size());
        if (received.error != 0 || received.count == 0) {
            error_ = received.error != 0 ? received.error : internet_error::kReceiveFailed;
            return false;
        }
        begin_ = 0;
        end_ = std::min(received.count, buffer_.size());
        return true;
    }

    ByteSource& source_;
    std::array<std::uint8_t, 4096> buffer_{};
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    int error_ = 0;
};

bool StartsWithNoCase(std::string_view line, std::string_view prefix) {
    if (line.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = line[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        char p = prefix[i];
        if (p >= 'A' && p <= 'Z') p = static_cast<char>(p - 'A' + 'a');
        if (c != p) return false;
    }
    return true;
}

// Reads one header line without its CR LF; 0 or an error code.
int ReadLine(BufferedSource& in, std::string* line) {
    line->clear();
    for (;;) {
        const int byte = in.Next();
        if (byte < 0) return in.Error();
        line->push_back(static_cast<char>(byte));
        if (line->size() >= 2 && line->ends_with("\r\n")) {
            line->resize(line->size() - 2);
            return 0;
        }
        const std::size_t length = line->size() - (line->back() == '\r' ? 1 : 0);
        if (length >= format::kMaxLineLength) return internet_error::kReceiveFailed;
    }
}

// Checks one header line; counts the three required ones. 0 or an error code.
int CheckHeaderLine(std::string_view line, int* count, std::string* text) {
    if (StartsWithNoCase(line, "HTTP/")) {
        const std::string_view rest =
            line.size() > format::kStatusOffset ? line.substr(format::kStatusOffset) : "";
        const std::int32_t status = DecimalPrefix(rest);
        if (status < 100 || status > 999) return internet_error::kBadFormat;
        if (status != format::kStatusOk) {
            *text = format::CleanServerText(rest);
            return status;
        }
    } else if (StartsWithNoCase(line, "Content-Type:")) {
        if (line.find(format::kReplyContentType) == std::string_view::npos) {
            return internet_error::kBadFormat;
        }
    } else if (StartsWithNoCase(line, "Content-Length:")) {
        const std::string_view value = line.substr(std::string_view("Content-Length:").size());
        if (DecimalPrefix(value) < static_cast<std::int32_t>(format::kHeaderSize)) {
            return internet_error::kBadFormat;
        }
    } else {
        return 0;
    }
    ++*count;
    return 0;
}

}  // namespace

int ReceiveReply(ByteSource& source, RawReply* raw, std::string* text) {
    return ReceiveReply(source, format::kMaxDataSize, raw, text);
}

int ReceiveReply(ByteSource& source, std::uint32_t max_data_size, RawReply* raw,
                 std::string* text) {
    *raw = {};
    text->clear();
    BufferedSource in(source);
    std::string line;
    int count = 0;
    for (int lines = 0;; ++lines) {
        if (lines == format::kMaxHeaderLines) return internet_error::kBadFormat;
        if (const int code = ReadLine(in, &line)) return code;
        if (line.empty()) break;
        if (const int code = CheckHeaderLine(line, &count, text)) return code;
    }
    if (count != format::kRequiredHeaderLines) return internet_error::kBadFormat;

    std::vector<std::uint8_t> header;
    if (!in.Read(format::kHeaderSize, &header)) return in.Error();
    // All 32 bytes have arrived.
    const auto field = [&header](std::size_t offset) {
        return LoadU32BigEndian(header.data() + offset);
    };
    raw->header.kind = field(format::kKind);
    raw->header.code_or_total = field(format::kCodeOrTotal);
    raw->header.texts_per_record = field(format::kTextsPerRecord);
    raw->header.record_count = field(format::kRecordCount);
    raw->header.data_size = field(format::kDataSize);
    if (raw->header.data_size > std::min(max_data_size, format::kMaxDataSize)) {
        return internet_error::kBadFormat;
    }
    if (!in.Read(raw->header.data_size, &raw->data)) return in.Error();
    return 0;
}

}  // namespace vendarion
