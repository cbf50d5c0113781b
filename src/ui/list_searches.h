// The searches behind the lists of the main window: hands the typed texts to the
// search control and starts or cancels a search, and takes the worker's
// announcements (start, each line, end) over into the list, the status line, the
// detail card and the activity display: the progress count, the focus on the first
// line, the pending restart, the messages at the end. User-interface thread only.
#pragma once

#include <QObject>
#include <QTimer>
#include <string>

#include "search/search_control.h"
#include "ui/window_services.h"

namespace vendarion {

class ListController;
class SearchDriver;
struct ListWidgets;

// How a search was started. A search started by a command (Go!, Enter, the mode box)
// reports the line limit in a message box; one that follows typing, or opens with
// its list, reports it in the notice bar, which takes no keystroke away.
enum class SearchStart { kAsTyped, kByCommand };

class ListSearches final : public QObject {
    Q_OBJECT

public:
    ListSearches(ListController& lists, SearchDriver& search, const WindowServices& services,
                 const ListWidgets& widgets, QObject* parent = nullptr);

    // The search of the current list; a running one is cancelled first and this one
    // starts when its end has been handled.
    void StartSearch(SearchStart start = SearchStart::kAsTyped);
    // The user picked another name mode.
    void NameModeChosen();
    // False when no search runs and none is pending.
    bool CancelSearch();
    // Cancels the running search; its end resumes the exit (ExitResumed) instead of a
    // pending restart or the message about the line limit.
    void CancelForExit();
    bool SearchRunning() const;
    // The result list holds the rows of the last Internet search (no other search
    // has run since).
    bool InternetRows() const { return internet_rows_; }

signals:
    void StateChanged();
    // The search that ran when the exit was asked for has ended.
    void ExitResumed();

private:
    // Hands the typed texts and the name mode to the search control.
    void FillSearchInputs();
    void AfterSearchStart(StartOutcome outcome);
    // A message with the exclamation icon.
    void Tell(int id, const std::string& text);
    void OnSearchStarted();
    void OnLineAdded(int row);
    void OnSearchFinished();
    void ReportLineLimit();

    ListController& lists_;
    SearchDriver& search_;
    WindowServices services_;
    const ListWidgets& widgets_;
    bool exit_pending_ = false;
    bool internet_rows_ = false;
    SearchStart start_ = SearchStart::kAsTyped;
    // While a multi-town search runs, the status line follows the town searched.
    QTimer progress_;
};

}  // namespace vendarion
