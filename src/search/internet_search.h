// The Internet search: the checks and the first connection when it starts (on the
// user-interface thread), and the job the worker runs for event 3, which asks the
// client for the pages of the query one after the other and lists their entries.
#pragma once

#include <string>

#include "query/name_mode.h"
#include "query/search_cursor.h"
#include "search/internet_client.h"

namespace vendarion {

class SearchWorker;
class Settings;

inline constexpr int kTooFewInternetInputsMessage = 1314;
inline constexpr int kNoInternetSettingsMessage = 1316;

enum class InternetStart {
    kReady,          // the query is complete and the client connected: start the worker
    kTooFewInputs,   // show message 1314; nothing is sent
    kNoSettings,     // show message 1316; nothing is sent
    kConnectFailed,  // show the client's error text; the next search connects again
};

// The query of the name-search texts and mode and the three place texts; the
// phonetic and exact flags follow the mode.
InternetQuery MakeInternetQuery(const SearchRequest& texts, NameMode mode, std::string town,
                                std::string postal_code, std::string area_code);

// User-interface thread. Refuses a query without name, first name, street and
// heading, and settings without InternetServer, InternetURL or InternetPort; connects
// the client when *connected is false (with OperateWithoutCGI) and sets it on
// success; sets query->records_per_page from InternetRecPerPage. The query holds the
// seven texts and the mode flags.
InternetStart PrepareInternetSearch(Settings& settings, InternetClient& client, bool* connected,
                                    InternetQuery* query);

// How an Internet search failed.
struct InternetFailure {
    int code = 0;      // 0: it did not fail
    std::string text;  // the client's error text (Windows-1252)
    // Every failure but an aborted transfer is shown to the user.
    bool Shown() const { return code != 0 && code != InternetClient::kAbortedError; }
};

// Worker thread. Asks for page 0, 1, ... of the query while the search runs and
// appends each entry's line (the phone number field without the call addition).
// The total of hits is taken from the replies as long as no entry has arrived. The
// search ends when a page brings no entries, when the entries received reach the
// total, when the search is stopped or a line refused (that page is still walked to
// its end), or when the client fails: *failure then holds its code and text. The
// rows of earlier pages stay.
void RunInternetSearch(SearchWorker& worker, InternetClient& client, const InternetQuery& query,
                       InternetFailure* failure);

}  // namespace vendarion
