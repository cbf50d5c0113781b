#include "net/socket_internet_client.h"

namespace vendarion {

bool SocketInternetClient::Connect(std::string_view server, std::string_view url, int port,
                                   bool without_cgi) {
    return client_.Initialise(server, url, port, without_cgi) == 0;
}

bool SocketInternetClient::NextPage(const InternetQuery& query, int page, InternetPage* out) {
    *out = {};
    if (page == 0) {
        client_.BeginSearch();
        client_.SetTimeout(query.timeout_seconds);
    }
    InternetRequest request;
    request.name = query.name;
    request.first_name = query.first_name;
    request.heading = query.heading;
    request.town = query.town;
    request.postal_code = query.postal_code;
    request.area_code = query.area_code;
    request.street = query.street;
    request.records_per_page = query.records_per_page;
    request.page = page;
    request.phonetic = query.phonetic;
    request.exact = query.exact;
    InternetReply reply;
    if (client_.Query(request, &reply) != 0) return false;
    out->has_entries = !reply.entries.empty();
    for (InternetEntry& received : reply.entries) out->entries.push_back(std::move(received.entry));
    out->count = static_cast<int>(out->entries.size());
    out->total = reply.header.Total();
    return true;
}

std::string SocketInternetClient::ErrorText() const {
    std::string text;
    client_.LastError(&text);
    return text;
}

int SocketInternetClient::ErrorCode() const {
    std::string text;
    return client_.LastError(&text);
}

}  // namespace vendarion
