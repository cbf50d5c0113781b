#include "search/internet_search.h"

#include <cstdint>

#include "base/setting_names.h"
#include "search/result_line.h"
#include "search/search_worker.h"

namespace vendarion {

InternetQuery MakeInternetQuery(const SearchRequest& texts, NameMode mode, std::string town,
                                std::string postal_code, std::string area_code) {
    InternetQuery query{texts.surname,   texts.first_name,       texts.heading,
                        std::move(town), std::move(postal_code), std::move(area_code),
                        texts.street};
    query.phonetic = mode == NameMode::kPhonetic;
    query.exact = mode == NameMode::kExact;
    return query;
}

InternetStart PrepareInternetSearch(Settings& settings, InternetClient& client, bool* connected,
                                    InternetQuery* query) {
    if (query->name.empty() && query->first_name.empty() && query->street.empty() &&
        query->heading.empty()) {
        return InternetStart::kTooFewInputs;
    }
    const std::string server = Read(settings, setting::kInternetServer);
    const std::string url = Read(settings, setting::kInternetURL);
    const std::int32_t port = Read(settings, setting::kInternetPort);
    if (server.empty() || url.empty() || port == 0) return InternetStart::kNoSettings;
    if (!*connected) {
        const bool without_cgi = Read(settings, setting::kOperateWithoutCGI) == 1;
        if (!client.Connect(server, url, port, without_cgi)) return InternetStart::kConnectFailed;
        *connected = true;
    }
    query->records_per_page = Read(settings, setting::kInternetRecPerPage);
    query->timeout_seconds = Read(settings, setting::kInternetTimeout);
    return InternetStart::kReady;
}

void RunInternetSearch(SearchWorker& worker, InternetClient& client, const InternetQuery& query,
                       InternetFailure* failure) {
    *failure = {};
    std::int64_t shown = 0;
    std::int64_t total = 0;
    InternetPage page;
    for (int number = 0; worker.Running(); ++number) {
        page = {};
        if (!client.NextPage(query, number, &page)) {
            failure->code = client.ErrorCode();
            failure->text = client.ErrorText();
            break;
        }
        if (!page.has_entries || page.entries.empty()) break;
        if (shown == 0) total = page.total;
        for (const SubscriberEntry& entry : page.entries) {
            if (!worker.AddLine(SubscriberResultLine(entry, HitSource::kInternet))) worker.Stop();
            ++shown;
        }
        if (shown >= total) break;
    }
    worker.Stop();
}

}  // namespace vendarion
