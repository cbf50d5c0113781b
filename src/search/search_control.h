// The searches of the main window without the window: the typed inputs, the town
// set of a multi-town search, starting and cancelling searches, the pending restart,
// and the rows and count text of the list they fill. The window (or the command-line
// tool, or a test) fills Inputs(), calls StartSearch and CancelSearch, and hands each
// of the worker's announcements back on its own thread through HandleSearchStarted
// and HandleSearchFinished.
//
// Threads: every member function runs on one thread, the one that drives the control
// (the user-interface thread). Each search gives the worker a copy of its inputs and
// the worker's own book list; the worker shares only the result list (locked) and
// SearchRunning (atomic) with this thread.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "query/name_mode.h"
#include "query/search_cursor.h"
#include "search/internet_search.h"
#include "search/list_rows.h"
#include "search/list_type.h"
#include "search/result_list.h"
#include "search/search_worker.h"
#include "search/town_set.h"
#include "store/book_list.h"

namespace vendarion {

class DataSet;

// The texts and choices of the input fields that a search reads when it starts.
struct SearchInputs {
    ListType list_type = ListType::kNone;
    int town_book = -1;   // the book of the chosen town; -1 when none is chosen
    SearchRequest texts;  // surname, first name, street, heading (Windows-1252)
    NameMode name_mode = NameMode::kNormal;
    // The place fields of an Internet search.
    std::string town_text;
    std::string postal_code_text;
    std::string area_code_text;
    std::string bank_text;     // the search box of the bank code list
    std::string country_text;  // the search box of the foreign code list
};

enum class StartOutcome {
    kNothing,                // nothing to search in this list (or no town chosen)
    kDeferred,               // a search was still running: it was cancelled, and this one starts
                             // when its end has been handled
    kWorker,                 // the worker was woken; rows follow
    kWholeBook,              // names in one town, surname alone in mode Normal: the whole book
    kWholeTable,             // empty bank or foreign code text: the whole table
    kUnavailable,            // no Internet client is attached to the control
    kTooFewInternetInputs,   // show message 1314
    kNoInternetSettings,     // show message 1316
    kInternetConnectFailed,  // show InternetFailureText(); the next search connects again
};

enum class FinishOutcome {
    kDone,
    kRestarted,       // a pending restart was taken up
    kLineLimitHit,    // show message 1336: more than 1000 hits, only 1000 listed
    kInternetFailed,  // show InternetFailureText(); the rows of earlier pages stay
};

inline constexpr int kLineLimitMessage = 1336;

class SearchControl {
public:
    // Null when the worker's book list cannot be opened over the data set. The data
    // set and the listener must outlive the control.
    static std::unique_ptr<SearchControl> Create(DataSet& data_set,
                                                 SearchNotifications& notifications);
    SearchControl(const SearchControl&) = delete;
    SearchControl& operator=(const SearchControl&) = delete;

    SearchInputs& Inputs() { return inputs_; }
    // Attaches the client and the settings of the Internet search; both must outlive
    // the control. Without them an Internet search is kUnavailable.
    void AttachInternet(InternetClient& client, Settings& settings) {
        internet_client_ = &client;
        settings_ = &settings;
    }
    // The client's error text of the last failed connection or Internet search.
    const std::string& InternetFailureText() const { return internet_failure_.text; }

    // Starts the search of the current list type. A search that has not yet been
    // handled as finished is cancelled first, and the new one is remembered as a
    // pending restart instead (kDeferred).
    StartOutcome StartSearch();
    // Stops the running search and drops a pending restart; false when there was
    // neither. The rows found so far stay.
    bool CancelSearch();
    // The user picked another name mode: in the names list, searches again when a
    // search was already run there or the mode is not Normal.
    StartOutcome NameModeChanged();

    // The worker announced a start.
    void HandleSearchStarted();
    // The worker announced an end: takes up a pending restart for the current list
    // type, or reports that the 1000-line limit cut the result.
    FinishOutcome HandleSearchFinished();
    // A search was started whose end has not been handled yet.
    bool SearchOutstanding() const { return outstanding_; }

    // The towns marked for a multi-town search, as book numbers in row order; repeats
    // and unknown books are left out. Returns how many books the set holds: with two
    // or more it is active and the names list searches all of them.
    int SetUpTownSet(std::span<const int> books);
    const TownSet& Towns() const { return towns_; }
    // While a multi-town search runs: the index (from 1) of the book of the town set
    // being searched; 0 otherwise.
    int SearchedTownIndex() const { return outstanding_ ? worker_.BookIndex() : 0; }

    // The rows of the list the last StartSearch filled.
    ListRows& Rows() { return rows_; }
    const ResultList& Results() const { return results_; }
    // For the whole book: the row of the typed surname.
    int PositionedRow() const { return positioned_row_; }
    // The status line's text for the current list type and search state.
    std::string CountText() const;

private:
    SearchControl(DataSet& data_set, SearchNotifications& notifications);

    StartOutcome StartNamesSearch();
    StartOutcome StartReferenceSearch(ReferenceKind kind, const std::string& text);
    StartOutcome StartInternetSearch();
    void Launch(SearchEvent event, SearchWorker::Job job);

    BookList worker_books_;  // used by the worker thread only
    ResultList results_;
    ListRows rows_;
    SearchInputs inputs_;
    TownSet towns_;
    InternetClient* internet_client_ = nullptr;
    Settings* settings_ = nullptr;
    bool internet_connected_ = false;
    // Written by the worker during an Internet search, read after its end.
    InternetFailure internet_failure_;
    std::optional<ListType> pending_restart_;
    bool outstanding_ = false;
    bool searched_in_list_ = false;
    int positioned_row_ = 0;
    SearchWorker worker_;  // last: its thread ends before the members it uses go
};

}  // namespace vendarion
