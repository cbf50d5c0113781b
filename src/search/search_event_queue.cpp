#include "search/search_event_queue.h"

namespace vendarion {

void SearchEventQueue::Post(Event event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
    }
    posted_.notify_one();
}

SearchEventQueue::Event SearchEventQueue::Wait() {
    std::unique_lock lock(mutex_);
    posted_.wait(lock, [this] { return !events_.empty(); });
    const Event event = events_.front();
    events_.pop_front();
    return event;
}

FinishOutcome DriveSearches(SearchControl& control, SearchEventQueue& queue) {
    FinishOutcome outcome = FinishOutcome::kDone;
    while (control.SearchOutstanding()) {
        switch (queue.Wait()) {
            case SearchEventQueue::Event::kStarted:
                control.HandleSearchStarted();
                break;
            case SearchEventQueue::Event::kFinished:
                outcome = control.HandleSearchFinished();
                break;
            case SearchEventQueue::Event::kInterrupt:
                control.CancelSearch();
                break;
        }
    }
    return outcome;
}

}  // namespace vendarion
