// The program's client of the Internet search: the worker's InternetClient over the
// query client of this folder. Pages are asked for with the page number; page 0
// begins a search, which clears an abort left over from an earlier one.
//
// Threads: as InternetClient says; Abort may come from any thread.
#pragma once

#include "net/internet_query_client.h"
#include "search/internet_client.h"

namespace vendarion {

class SocketInternetClient final : public InternetClient {
public:
    SocketInternetClient() = default;
    explicit SocketInternetClient(InternetQueryClient::Resolver resolver)
        : client_(std::move(resolver)) {}

    [[nodiscard]] bool Connect(std::string_view server, std::string_view url, int port,
                               bool without_cgi) override;
    [[nodiscard]] bool NextPage(const InternetQuery& query, int page, InternetPage* out) override;
    std::string ErrorText() const override;
    int ErrorCode() const override;
    void Abort() override { client_.Cancel(); }

private:
    InternetQueryClient client_;
};

}  // namespace vendarion
