// Drives a SearchControl without a window (the command-line tool, tests): the worker's
// announcements, and interrupts from any other thread, queue up here and are handed
// to the control on the thread that waits for them.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>

#include "search/search_control.h"
#include "search/search_worker.h"

namespace vendarion {

class SearchEventQueue : public SearchNotifications {
public:
    enum class Event { kStarted, kFinished, kInterrupt };

    // Worker thread.
    void SearchStarted() override { Post(Event::kStarted); }
    void SearchFinished() override { Post(Event::kFinished); }
    // The rows are read once the search has ended, so a line is not an event: a
    // wake-up per line cost a narrow search more than its own work.
    void LineAdded(int, int) override {}

    // Any thread.
    void Post(Event event);
    // The oldest queued event; waits for one.
    Event Wait();

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<Event> events_;
};

// On the control's thread: hands queued events to the control until no search is
// outstanding (an interrupt cancels the running search, pending restarts are taken
// up). Returns the outcome of the last finished search; kDone when none was running.
FinishOutcome DriveSearches(SearchControl& control, SearchEventQueue& queue);

}  // namespace vendarion
