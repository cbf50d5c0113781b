// The client of the Internet search: sends one page of a search to the directory
// server and receives its reply (internet_format.h). One instance for the program.
//
// Threads: Initialise runs on the user-interface thread while no search runs;
// BeginSearch and Query run on the search worker; Cancel and LastError may be called
// from any thread at any time. A cancellation ends a query that is connecting,
// sending or receiving at once with code 7.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "net/internet_reply.h"
#include "net/internet_request.h"

namespace vendarion {

class InternetQueryClient {
public:
    static constexpr int kDefaultStallSeconds = 30;

    // Resolves a host name to an IPv4 address; false when it cannot.
    using Resolver = std::function<bool(const std::string& host, in_addr* address)>;

    // Resolves names with the system's resolver.
    InternetQueryClient();
    explicit InternetQueryClient(Resolver resolver);
    ~InternetQueryClient();
    InternetQueryClient(const InternetQueryClient&) = delete;
    InternetQueryClient& operator=(const InternetQueryClient&) = delete;

    // Takes the request path and finds the server's address: a name of digits and
    // exactly three dots is used as the address, anything else is resolved. 0, or 2
    // when the address cannot be found, or 3 for a port outside 1-65535. The
    // without-CGI setting is accepted and has no effect on the protocol.
    [[nodiscard]] int Initialise(std::string_view server, std::string_view path, int port,
                                 bool without_cgi = false);
    bool Initialised() const { return initialised_; }

    // Clears an earlier cancellation; the worker calls it at the start of each search,
    // before it first tests whether the search was stopped. A cancellation stays in
    // force until then, so none is lost between the pages of a search.
    void BeginSearch();

    // Runs one page of a search (the request is sent with version 1). 0 with the
    // reply, or an error code (internet_error.h); the reply then holds no records.
    [[nodiscard]] int Query(const InternetRequest& request, InternetReply* reply);

    // The bound of every wait of later queries: no progress for stall_seconds, or a
    // page taking ten times as long, ends a query with code 10060. Values below 1
    // take the default of 30 seconds. Called while no query runs.
    void SetTimeout(int stall_seconds);

    // Ends the running query (and any later one until BeginSearch) with code 7.
    void Cancel();

    // The last error code and its text (Windows-1252).
    int LastError(std::string* text) const;

private:
    int Finish(int code, const std::string& text);
    int Exchange(const InternetRequest& request, InternetReply* reply, std::string* text);

    Resolver resolver_;
    bool initialised_ = false;
    sockaddr_in address_{};
    std::string path_;
    int wake_fd_ = -1;
    std::atomic<bool> cancelled_{false};
    std::atomic<int> stall_seconds_{kDefaultStallSeconds};

    mutable std::mutex error_mutex_;
    int last_error_ = 0;
    std::string last_error_text_;
};

}  // namespace vendarion
