// Turns Ctrl+C into an interrupt event for a search driven on the main thread. The
// constructor blocks SIGINT in the calling thread, so every thread started after it
// inherits the block (construct it before the search worker), and starts a thread
// that waits for the signal with sigwait and posts SearchEventQueue::Event::kInterrupt;
// nothing runs inside a signal handler. A second Ctrl+C ends the process at once.
// SIGINT stays blocked after the watcher is gone (the tool ends right after).
#pragma once

#include <atomic>
#include <thread>

#include "search/search_event_queue.h"

namespace vendarion::query_tool {

class InterruptWatcher {
public:
    explicit InterruptWatcher(SearchEventQueue& queue);
    // Stops the watching thread; an interrupt already pending is still counted.
    ~InterruptWatcher();
    InterruptWatcher(const InterruptWatcher&) = delete;
    InterruptWatcher& operator=(const InterruptWatcher&) = delete;

    // Whether Ctrl+C has been pressed.
    bool Interrupted() const { return interrupts_.load() > 0; }

private:
    void Watch();
    // One Ctrl+C: the interrupt event the first time, the end of the process the second.
    void Count();

    SearchEventQueue& queue_;
    std::atomic<int> interrupts_{0};
    std::thread thread_;
};

}  // namespace vendarion::query_tool
