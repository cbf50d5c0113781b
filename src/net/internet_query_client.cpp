#include "net/internet_query_client.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "net/internet_error.h"
#include "net/internet_format.h"
#include "net/reply_decoder.h"
#include "net/reply_receiver.h"
#include "net/socket_channel.h"

namespace vendarion {
namespace {

bool ResolveWithSystem(const std::string& host, in_addr* address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return false;
    bool ok = false;
    if (found != nullptr && found->ai_addr != nullptr && found->ai_family == AF_INET) {
        *address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
        ok = true;
    }
    freeaddrinfo(found);
    return ok;
}

// A name without letters and with exactly three dots is a dotted address.
bool LooksNumeric(std::string_view server) {
    const bool letters = std::any_of(server.begin(), server.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
    return !server.empty() && !letters && std::count(server.begin(), server.end(), '.') == 3;
}

// A page may take this many stall times in all, so that a server trickling a byte
// now and then cannot hold a query either.
constexpr int kTotalPerStall = 10;
// Longest stall time taken from the settings (an hour; keeps the milliseconds in range).
constexpr int kMaxStallSeconds = 3600;

}  // namespace

InternetQueryClient::InternetQueryClient() : InternetQueryClient(ResolveWithSystem) {}

InternetQueryClient::InternetQueryClient(Resolver resolver)
    : resolver_(std::move(resolver)), wake_fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

InternetQueryClient::~InternetQueryClient() {
    if (wake_fd_ >= 0) close(wake_fd_);
}

int InternetQueryClient::Initialise(std::string_view server, std::string_view path, int port,
                                    bool /*without_cgi*/) {
    initialised_ = false;
    path_ = std::string(path);
    if (wake_fd_ < 0) return Finish(SocketErrorCode(EMFILE, SocketStep::kConnect), "");
    in_addr address{};
    const std::string host(server);
    const bool found =
        LooksNumeric(server) ? inet_aton(host.c_str(), &address) != 0 : resolver_(host, &address);
    if (!found) return Finish(internet_error::kNoAddress, "");
    if (port < 1 || port > 65535) return Finish(internet_error::kConnectFailed, "");
    address_ = {};
    address_.sin_family = AF_INET;
    address_.sin_port = htons(static_cast<std::uint16_t>(port));
    address_.sin_addr = address;
    initialised_ = true;
    return Finish(internet_error::kSuccess, "");
}

void InternetQueryClient::BeginSearch() {
    cancelled_.store(false);
    std::uint64_t value = 0;
    while (read(wake_fd_, &value, sizeof value) > 0) {
    }
}

int InternetQueryClient::Query(const InternetRequest& request, InternetReply* reply) {
    *reply = {};
    if (!initialised_) return Finish(internet_error::kNotInitialised, "");
    std::string text;
    int code = Exchange(request, reply, &text);
    // A query that fails while being cancelled (the server closing at the same time,
    // say) counts as cancelled, so that no message follows the user's cancellation.
    if (code != internet_error::kSuccess && cancelled_.load()) code = internet_error::kCancelled;
    if (code != internet_error::kSuccess) reply->entries.clear();
    return Finish(code, text);
}

int InternetQueryClient::Exchange(const InternetRequest& request, InternetReply* reply,
                                  std::string* text) {
    InternetRequest sent = request;
    sent.version = internet_format::kVersion;
    const std::string bytes = RequestBytes(path_, FormBody(sent));
    const int stall_ms = stall_seconds_.load() * 1000;
    SocketChannel channel(wake_fd_, cancelled_, {stall_ms, stall_ms * kTotalPerStall});
    if (const int code = channel.Connect(address_)) return code;
    if (const int code = channel.Send(bytes)) return code;
    RawReply raw;
    const std::uint32_t max_data = internet_format::MaxPageData(sent.records_per_page);
    if (const int code = ReceiveReply(channel, max_data, &raw, text)) return code;
    channel.Close();
    if (cancelled_.load()) return internet_error::kCancelled;
    return DecodeReply(raw, reply, text);
}

void InternetQueryClient::SetTimeout(int stall_seconds) {
    stall_seconds_.store(stall_seconds >= 1 && stall_seconds <= kMaxStallSeconds
                             ? stall_seconds
                             : kDefaultStallSeconds);
}

void InternetQueryClient::Cancel() {
    cancelled_.store(true);
    const std::uint64_t one = 1;
    if (wake_fd_ >= 0) {
        [[maybe_unused]] const ssize_t written = write(wake_fd_, &one, sizeof one);
    }
    Finish(internet_error::kCancelled, "");
}

int InternetQueryClient::LastError(std::string* text) const {
    std::lock_guard lock(error_mutex_);
    *text = last_error_text_;
    return last_error_;
}

int InternetQueryClient::Finish(int code, const std::string& text) {
    std::lock_guard lock(error_mutex_);
    last_error_ = code;
    last_error_text_ = InternetErrorText(code, text);
    return code;
}

}  // namespace vendarion
