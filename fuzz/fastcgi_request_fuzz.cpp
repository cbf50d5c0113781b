// Feeds arbitrary requests to the persistent directory server as its FastCGI workers
// run it: one server with a cursor cache and a work cap over the sample data set,
// kept across inputs. The first byte chooses the method, whether Content-Length
// tells the truth and how many bytes each read hands out; the rest is the body.
// Every reply must be a well-formed reply, and the next page of a readable request
// must be the same whether it goes on from the cached walk or is searched afresh
// (unless searching afresh reaches the work cap).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "net/byte_source.h"
#include "net/cursor_cache.h"
#include "net/directory_server.h"
#include "net/form_decoder.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"
#include "net/reply_writer.h"
#include "net/server_request.h"
#include "store/data_set.h"

namespace {

class PiecewiseSource final : public vendarion::ByteSource {
public:
    PiecewiseSource(std::string_view bytes, std::size_t piece) : bytes_(bytes), piece_(piece) {}
    vendarion::Received Receive(std::uint8_t* out, std::size_t size) override {
        const std::size_t count = std::min({size, piece_, bytes_.size() - position_});
        if (count > 0) std::memcpy(out, bytes_.data() + position_, count);
        position_ += count;
        return {count, 0};
    }

private:
    std::string_view bytes_;
    std::size_t piece_;
    std::size_t position_ = 0;
};

struct Servers {
    vendarion::DataSet data_set;
    vendarion::CursorCache cache{vendarion::CacheLimits{64, 1u << 20, std::chrono::seconds(30)}};
    vendarion::ServerLimits limits{100, 300, 50, 1000, 2'000'000, std::chrono::seconds(5)};
};

Servers* OpenServers() {
    static Servers servers;
    static const bool open =
        servers.data_set.Open(VENDARION_SAMPLE_DATA) == vendarion::DataSetStep::kComplete;
    if (!open) std::abort();
    return &servers;
}

// A reply body must come through the client's parser: a page of records or an error.
void CheckReply(const std::string& body) {
    const std::string bytes = "HTTP/1.0 200 OK\r\n" + vendarion::CgiResponse(body);
    PiecewiseSource source(bytes, SIZE_MAX);
    vendarion::RawReply raw;
    vendarion::InternetReply reply;
    std::string text;
    if (vendarion::ReceiveReply(source, &raw, &text) != 0) std::abort();
    const int code = vendarion::DecodeReply(raw, &reply, &text);
    if (code != 0 && (code < 1001 || code > 1006)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    Servers* servers = OpenServers();
    vendarion::DirectoryServer cached(servers->data_set, vendarion::OwnReaders(servers->data_set),
                                      servers->limits, &servers->cache);
    const std::uint8_t choice = data[0];
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string method = (choice & 1) != 0 ? "GET" : "POST";
    const std::size_t told = body.size() + ((choice & 2) != 0 ? 1 : 0);
    PiecewiseSource source(body, 1 + (choice >> 2));
    const std::string reply =
        vendarion::AnswerRequest(method, std::to_string(told), source, cached);
    CheckReply(reply);

    vendarion::InternetRequest request;
    if (!vendarion::DecodeForm(body, &request) || request.page < 0 || request.page > 1000) return 0;
    ++request.page;
    const std::string next = vendarion::FormBody(request);
    const std::string resumed = cached.Answer(next);
    CheckReply(resumed);
    // Going on from a walk can stay under the work cap where searching afresh does not.
    const std::string fresh =
        vendarion::DirectoryServer(servers->data_set, servers->limits).Answer(next);
    if (fresh != resumed &&
        fresh != vendarion::ServerErrorReply(vendarion::server_error::kTooMuchWork)) {
        std::abort();
    }
    return 0;
}
