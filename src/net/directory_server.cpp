#include "net/directory_server.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "base/cp1252.h"
#include "net/book_filter.h"
#include "net/book_selection.h"
#include "net/form_decoder.h"
#include "net/internet_format.h"
#include "net/reply_writer.h"
#include "net/search_walk.h"
#include "query/search_cursor.h"
#include "store/book_data.h"

namespace vendarion {
namespace {

std::string_view ServerErrorText(int code) {
    switch (code) {
        case server_error::kUnreadableRequest:
            return "Die Anfrage konnte nicht gelesen werden.";
        case server_error::kTooFewInputs:
            return "Nicht genug Eingaben für die Suche über Internet!";
        case server_error::kNoData:
            return "Die Verzeichnisdaten des Servers sind nicht verfügbar.";
        case server_error::kUnknownVersion:
            return "Diese Version der Anfrage wird nicht unterstützt.";
        case server_error::kTooMuchWork:
            return "Die Suche ist zu umfangreich. Bitte verfeinern Sie Ihre Suchkriterien.";
        default:
            return "Die Anfrage konnte nicht beantwortet werden.";
    }
}

std::string UnknownPlaceReply(std::string_view what, std::string_view text) {
    const std::string message =
        Utf8ToCp1252(what) + " \"" + std::string(text) + "\"" + Utf8ToCp1252(" ist nicht bekannt.");
    return ErrorReplyBody(server_error::kUnknownPlace, message);
}

NameMode ModeOf(const InternetRequest& request) {
    if (request.exact) return NameMode::kExact;
    if (request.phonetic) return NameMode::kPhonetic;
    return NameMode::kNormal;
}

PageWindow WindowOf(const InternetRequest& request, const ServerLimits& limits) {
    const std::int64_t per_page = request.records_per_page > 0
                                      ? std::min(request.records_per_page, limits.max_per_page)
                                      : limits.default_per_page;
    PageWindow window;
    window.first = std::min(std::max<std::int64_t>(request.page, 0) * per_page, limits.max_hits);
    window.end = std::min(window.first + per_page, limits.max_hits);
    // One hit past the page tells whether more follow; the first page, whose total a
    // client keeps, counts one past the rows a list shows.
    const std::int64_t past_page = window.end + 1;
    window.limit = std::min(
        request.page > 0 ? past_page : std::max(past_page, limits.list_limit + 1), limits.max_hits);
    return window;
}

// The request without its page: the key of its walks in the cache.
std::string CacheKey(InternetRequest request) {
    request.page = 0;
    return FormBody(request);
}

}  // namespace

std::string ServerErrorReply(int code) {
    return ErrorReplyBody(code, Utf8ToCp1252(ServerErrorText(code)));
}

std::string DirectoryServer::Answer(std::string_view form) {
    InternetRequest request;
    if (!DecodeForm(form, &request)) return ServerErrorReply(server_error::kUnreadableRequest);
    return Answer(request);
}

std::string DirectoryServer::Answer(const InternetRequest& request) {
    // A request without a version is taken as version 1.
    if (request.version != 0 && request.version != internet_format::kVersion) {
        return ServerErrorReply(server_error::kUnknownVersion);
    }
    if (request.name.empty() && request.first_name.empty() && request.street.empty() &&
        request.heading.empty()) {
        return ServerErrorReply(server_error::kTooFewInputs);
    }
    std::vector<int> book_numbers;
    std::string error_reply;
    if (!SelectBooks(request, &book_numbers, &error_reply)) return error_reply;

    return Search(request, book_numbers);
}

std::string DirectoryServer::Search(const InternetRequest& request,
                                    const std::vector<int>& book_numbers) {
    if (book_numbers.empty()) return RecordsReplyBody(0, {});
    const SearchRequest search{request.name, request.first_name, request.street, request.heading};
    const NameMode mode = ModeOf(request);
    BookList& books = readers_.books;
    const SearchCursor first = CreateCursor(books, search, book_numbers.front(), mode);
    if (first.MatchesNothing()) return RecordsReplyBody(0, {});
    const BookFilter filter(data_set_, first);
    const PageWindow window = WindowOf(request, limits_);
    const auto start = CursorCache::Clock::now();
    const std::string key = cache_ != nullptr ? CacheKey(request) : std::string();
    SearchWalk walk;
    if (cache_ != nullptr) {
        std::optional<SearchWalk> cached = cache_->Take(key, start);
        if (cached && cached->CanServe(window)) walk = std::move(*cached);
    }
    WorkCap cap(limits_.max_visits, limits_.max_time);
    std::vector<SubscriberEntry> page;
    const std::int64_t total =
        PageWalker(books, filter, search, mode, book_numbers).Serve(window, &cap, &walk, &page);
    if (total < 0) return ServerErrorReply(server_error::kTooMuchWork);
    if (cache_ != nullptr && walk.HasMore()) {
        cache_->Put(key, std::move(walk), CursorCache::Clock::now());
    }
    return RecordsReplyBody(static_cast<std::int32_t>(total), page);
}

bool DirectoryServer::SelectBooks(const InternetRequest& request, std::vector<int>* books,
                                  std::string* error_reply) {
    struct Criterion {
        SortedList* list;
        const std::string* text;
        std::string_view what;
    };
    const Criterion criteria[] = {
        {&readers_.towns, &request.town, "Der Ort"},
        {&readers_.postal_codes, &request.postal_code, "Die Postleitzahl"},
        {&readers_.area_codes, &request.area_code, "Die Vorwahl"},
    };
    bool any = false;
    for (const Criterion& criterion : criteria) {
        if (criterion.text->find_first_not_of(' ') == std::string::npos) continue;
        std::vector<int> named = BooksOf(*criterion.list, *criterion.text);
        if (named.empty()) {
            *error_reply = UnknownPlaceReply(criterion.what, *criterion.text);
            return false;
        }
        *books = any ? CommonBooks(*books, named) : std::move(named);
        any = true;
    }
    if (!any) {
        books->clear();
        const BookData& book_data = readers_.books.Books();
        for (int book = 0; book < BookData::BookCount(); ++book) {
            if (book_data.EntryCount(book) > 0) books->push_back(book);
        }
    }
    return true;
}

}  // namespace vendarion
