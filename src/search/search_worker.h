// The background thread that runs the searches of the main window. It sleeps on four
// wake-up events (directory, bank codes, foreign codes, Internet); the user-interface
// thread prepares the shared search state, then signals one event. For each search
// the worker announces the start, runs the job of that event (which adds rows
// through AddLine while SearchRunning is set), and announces the end, cancelled or
// not. One search at a time; a new event is taken up after the previous search ended.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "search/result_list.h"

namespace vendarion {

enum class SearchEvent : int {
    kDirectory = 0,
    kBankCodes = 1,
    kCountryCodes = 2,
    kInternet = 3,
};
inline constexpr int kSearchEventCount = 4;

// Receives the worker's announcements on the worker thread; implementations hand
// them on to their own thread (the window posts them to its event queue).
class SearchNotifications {
public:
    virtual ~SearchNotifications() = default;
    virtual void SearchStarted() = 0;
    virtual void SearchFinished() = 0;
    // A line was added at row; the list now holds count rows.
    virtual void LineAdded(int row, int count) = 0;
};

class SearchWorker {
public:
    // The work of one event, run on the worker thread.
    using Job = std::function<void(SearchWorker&)>;

    SearchWorker(ResultList& results, SearchNotifications& notifications);
    // Cancels a running search and ends the thread.
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // User-interface thread, while no search runs.
    void SetJob(SearchEvent event, Job job);
    // Sets SearchRunning and wakes the worker for the event. A search cancelled
    // before the worker takes it up still announces its start and end, adding nothing.
    void Signal(SearchEvent event);
    // Clears SearchRunning; the job stops after its current bounded step.
    void Cancel() { running_.store(0); }

    // SearchRunning: 1 from Signal until the job ends or is cancelled.
    bool Running() const { return running_.load() != 0; }
    // True while a signalled search has not yet announced its end.
    bool Busy() const;

    // Worker thread, from a job: adds one line unless the search was cancelled, the
    // line is empty or the list is full. A refusal because the list is full is
    // remembered for the end-of-search message.
    bool AddLine(std::string line,
                 ResultList::Placement placement = ResultList::Placement::kAppend);
    // Ends the search from inside a job (clears SearchRunning).
    void Stop() { running_.store(0); }
    // Whether the search that ended last refused a line because 1000 were listed.
    bool HitLineLimit() const { return hit_line_limit_.load(); }
    // Worker thread, from a job that walks several books: it is at the book with
    // this index (from 1) among its books. Read from any thread; 0 from Signal until
    // a job sets it (reset again when the worker takes up the search, since a
    // cancelled job may still set it in between).
    void SetBookIndex(int index) { book_index_.store(index); }
    int BookIndex() const { return book_index_.load(); }

private:
    void Run();

    ResultList& results_;
    SearchNotifications& notifications_;
    std::array<Job, kSearchEventCount> jobs_;
    std::atomic<int> running_{0};
    std::atomic<bool> hit_line_limit_{false};
    std::atomic<int> book_index_{0};

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::array<bool, kSearchEventCount> signalled_{};
    bool busy_ = false;
    bool quit_ = false;
    std::thread thread_;
};

}  // namespace vendarion
