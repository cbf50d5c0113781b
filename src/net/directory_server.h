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
// counted at the stop. With a cursor cache, a page goes on from the walk the previous
// page of the same query left (search_walk.h); without one, or when the cache has no
// usable walk, the page is searched from the start. The answer is the same either way.
//
// Work: a request that reaches the work cap of ServerLimits gets the error reply
// kTooMuchWork.
//
// Threads: one thread per server, with that thread's readers (server_readers.h); the
// data set's immutable indexes and the cache are shared.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "net/cursor_cache.h"
#include "net/internet_request.h"
#include "net/server_readers.h"
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
inline constexpr int kTooMuchWork = 1006;
}  // namespace server_error

// An error reply body with the server's text for the code (Windows-1252).
std::string ServerErrorReply(int code);

// How far a search walks (see the top of this file).
struct ServerLimits {
    std::int64_t list_limit = 1000;  // the rows a client lists; more are counted by one
    std::int64_t max_hits = 10000;   // no walk goes beyond this many hits
    std::int32_t default_per_page = 50;
    std::int32_t max_per_page = 1000;
    // The work cap of one request: record visits and processor time.
    std::int64_t max_visits = 40'000'000;
    std::chrono::milliseconds max_time{2000};
};

class DirectoryServer {
public:
    // The data set must be open and outlive the server; the server searches with the
    // data set's own readers.
    explicit DirectoryServer(DataSet& data_set, const ServerLimits& limits = {})
        : DirectoryServer(data_set, OwnReaders(data_set), limits, nullptr) {}
    // The same with the readers of the server's thread and a cache of walks (may be
    // null); all must outlive the server.
    DirectoryServer(const DataSet& data_set, ServerReaders readers, const ServerLimits& limits,
                    CursorCache* cache)
        : data_set_(data_set), readers_(readers), limits_(limits), cache_(cache) {}

    // The reply body for a form body.
    std::string Answer(std::string_view form);
    std::string Answer(const InternetRequest& request);

private:
    [[nodiscard]] bool SelectBooks(const InternetRequest& request, std::vector<int>* books,
                                   std::string* error_reply);
    std::string Search(const InternetRequest& request, const std::vector<int>& book_numbers);

    const DataSet& data_set_;
    ServerReaders readers_;
    ServerLimits limits_;
    CursorCache* cache_;
};

}  // namespace vendarion
