#include "net/directory_server.h"

#include <algorithm>
#include <vector>

#include "base/cp1252.h"
#include "net/book_filter.h"
#include "net/book_selection.h"
#include "net/form_decoder.h"
#include "net/internet_format.h"
#include "net/reply_writer.h"
#include "query/search_cursor.h"
#include "store/book_data.h"

namespace vendarion {
namespace {

// Visits per call of StepCursor.
constexpr int kStepBudget = 1024;

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

    const SearchRequest search{request.name, request.first_name, request.street, request.heading};
    return Search(search, ModeOf(request), book_numbers, WindowOf(request, limits_));
}

std::string DirectoryServer::Search(const SearchRequest& search, NameMode mode,
                                    const std::vector<int>& book_numbers,
                                    const PageWindow& window) {
    if (book_numbers.empty()) return RecordsReplyBody(0, {});
    BookList& books = data_set_.Books();
    const SearchCursor first = CreateCursor(books, search, book_numbers.front(), mode);
    if (first.MatchesNothing()) return RecordsReplyBody(0, {});
    const BookFilter filter(data_set_, first);
    std::vector<SubscriberEntry> page;
    std::int64_t hits = 0;
    RawRecord raw{};
    for (const int book : book_numbers) {
        if (hits >= window.limit) break;
        if (!filter.MayHold(book)) continue;
        SearchCursor cursor = CreateCursor(books, search, book, mode);
        while (hits < window.limit) {
            const StepResult step = StepCursor(books, &cursor, kStepBudget, &raw);
            if (step == StepResult::kFinished) break;
            if (step != StepResult::kHit) continue;
            if (hits >= window.first && hits < window.end) {
                books.Decoder().Decode(raw.data(), &page.emplace_back());
            }
            ++hits;
        }
    }
    return RecordsReplyBody(static_cast<std::int32_t>(hits), page);
}

bool DirectoryServer::SelectBooks(const InternetRequest& request, std::vector<int>* books,
                                  std::string* error_reply) {
    struct Criterion {
        SortedList* list;
        const std::string* text;
        std::string_view what;
    };
    const Criterion criteria[] = {
        {&data_set_.Towns(), &request.town, "Der Ort"},
        {&data_set_.PostalCodes(), &request.postal_code, "Die Postleitzahl"},
        {&data_set_.AreaCodes(), &request.area_code, "Die Vorwahl"},
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
        const BookData& book_data = data_set_.Books().Books();
        for (int book = 0; book < BookData::BookCount(); ++book) {
            if (book_data.EntryCount(book) > 0) books->push_back(book);
        }
    }
    return true;
}

}  // namespace vendarion
