// The directory server's query handler: answers the request of an Internet search
// from a data set on disk with the directory search itself, one page at a time.
//
// Books: the town, postal code and area code each name books (book_selection.h);
// given together, the search covers the books all of them name; none given, the
// whole country. Hits come book by book in book order, in table order within a book.
//
// Paging and the total: the hits are counted while the search walks. The walk stops
// one hit past the end of the page asked for, so the total shows whether more
// follow; on the first page, whose total a client keeps, not before it has counted
// one hit more than the 1000 rows a list shows, so a client learns that there are
// more than it lists. No walk goes beyond a fixed number of hits (ServerLimits). The
// total is exact when the walk reached the end of the books, otherwise the number
// counted at the stop. Each page runs the search afresh from the start, so the cost
// of a page grows with its position, not with the size of the country.
//
// Threads: uses the data set's own lists and book list; one thread per server.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/internet_request.h"
#include "query/search_cursor.h"
#include "store/data_set.h"

namespace vendarion {

// The server's own error codes, sent in an error reply with a German text.
namespace server_error {
inline constexpr int kUnreadableRequest = 1001;
inline constexpr int kTooFewInputs = 1002;
inline constexpr int kNoData = 1003;
inline constexpr int kUnknownPlace = 1004;
inline constexpr int kUnknownVersion = 1005;
}  // namespace server_error

// An error reply body with the server's text for the code (Windows-1252).
std::string ServerErrorReply(int code);

// Which hits a page wants and where the walk may stop.
struct PageWindow {
    std::int64_t first = 0;  // the first hit of the page
    std::int64_t end = 0;    // one past its last hit
    std::int64_t limit = 0;  // the walk stops after this many hits
};

// How far a search walks (see the top of this file).
struct ServerLimits {
    std::int64_t list_limit = 1000;  // the rows a client lists; more are counted by one
    std::int64_t max_hits = 10000;   // no walk goes beyond this many hits
    std::int32_t default_per_page = 50;
    std::int32_t max_per_page = 1000;
};

class DirectoryServer {
public:
    // The data set must be open and outlive the server.
    explicit DirectoryServer(DataSet& data_set, const ServerLimits& limits = {})
        : data_set_(data_set), limits_(limits) {}

    // The reply body for a form body.
    std::string Answer(std::string_view form);
    std::string Answer(const InternetRequest& request);

private:
    [[nodiscard]] bool SelectBooks(const InternetRequest& request, std::vector<int>* books,
                                   std::string* error_reply);
    std::string Search(const SearchRequest& search, NameMode mode,
                       const std::vector<int>& book_numbers, const PageWindow& window);

    DataSet& data_set_;
    ServerLimits limits_;
};

}  // namespace vendarion
