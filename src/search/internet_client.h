// What the Internet search needs from the client that talks to the directory server.
// StartSearch connects on the first Internet search of a run (user-interface thread);
// the worker then asks for the pages of a query one after the other; Abort, from the
// user-interface thread, ends a transfer in progress so that the worker's pending
// request fails with kAbortedError.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/subscriber_entry.h"

namespace vendarion {

// The query of an Internet search: seven typed texts (Windows-1252) and the paging.
struct InternetQuery {
    std::string name;
    std::string first_name;
    std::string heading;
    std::string town;
    std::string postal_code;
    std::string area_code;
    std::string street;
    int records_per_page = 50;
    int timeout_seconds = 30;  // no progress for this long ends a page with 10060
    bool phonetic = false;     // surname mode "Phonetisch"
    bool exact = false;        // surname mode "Exakt"
};

// One reply page.
struct InternetPage {
    bool has_entries = false;  // false: the reply had no entry array, the search ends
    std::vector<SubscriberEntry> entries;
    int count = 0;  // entries on this page
    int total = 0;  // hits the server announces for the whole query
};

class InternetClient {
public:
    // The error code of a transfer ended by Abort; not shown to the user.
    static constexpr int kAbortedError = 7;

    virtual ~InternetClient() = default;

    // Opens the connection to the server; false on failure (see ErrorText, ErrorCode).
    [[nodiscard]] virtual bool Connect(std::string_view server, std::string_view url, int port,
                                       bool without_cgi) = 0;
    // Fetches page number page (0 first) of the query; false on failure.
    [[nodiscard]] virtual bool NextPage(const InternetQuery& query, int page,
                                        InternetPage* out) = 0;
    // The text and code of the last failure.
    virtual std::string ErrorText() const = 0;
    virtual int ErrorCode() const = 0;
    // Ends a transfer in progress; callable from a thread other than the one in NextPage.
    virtual void Abort() = 0;
};

}  // namespace vendarion
