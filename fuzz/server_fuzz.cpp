// Feeds arbitrary bytes to the directory server as a request's form body, over the
// sample data set. The answer must be a well-formed reply: an error reply with a
// code, or records no more than a page can hold, whose data is exactly what the
// header announces.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "net/byte_source.h"
#include "net/directory_server.h"
#include "net/form_decoder.h"
#include "net/internet_format.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"
#include "sample_data.h"
#include "store/data_set.h"

using namespace vendarion;

namespace {

class StringSource final : public ByteSource {
public:
    explicit StringSource(std::string bytes) : bytes_(std::move(bytes)) {}
    Received Receive(std::uint8_t* data, std::size_t size) override {
        const std::size_t count = std::min(size, bytes_.size() - position_);
        std::memcpy(data, bytes_.data() + position_, count);
        position_ += count;
        return {count, 0};
    }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

DataSet& Sample() {
    static DataSet* data_set = [] {
        auto* opened = new DataSet;
        if (opened->Open(fuzz::SampleDataFolder()) != DataSetStep::kComplete) std::abort();
        return opened;
    }();
    return *data_set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view form(reinterpret_cast<const char*>(data), size);
    InternetRequest request;
    const bool decoded = DecodeForm(form, &request);
    const ServerLimits limits{
        .list_limit = 40, .max_hits = 200, .default_per_page = 10, .max_per_page = 50};
    DirectoryServer server(Sample(), limits);
    const std::string body = server.Answer(form);
    const std::string reply =
        "HTTP/1.0 200 OK\r\nContent-Type: application/vendarion\r\n"
        "Content-Length: " +
        std::to_string(body.size()) + "\r\n\r\n" + body;
    StringSource source(reply);
    RawReply raw;
    std::string text;
    if (ReceiveReply(source, &raw, &text) != 0) std::abort();
    if (raw.header.kind == internet_format::kKindError) {
        if (raw.header.code_or_total == 0) std::abort();
        return 0;
    }
    if (!decoded) std::abort();  // an unreadable request must get an error reply
    InternetReply answer;
    if (DecodeReply(raw, &answer, &text) != 0) std::abort();
    if (answer.entries.size() > static_cast<std::size_t>(limits.max_per_page)) std::abort();
    return 0;
}
