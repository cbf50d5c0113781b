#include "interrupt_watcher.h"

#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>

namespace vendarion::query_tool {
namespace {

// SIGINT from the user; SIGUSR1 from the destructor, to end the watching thread.
// sigwait takes the lower-numbered SIGINT first when both are pending.
sigset_t WatchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGUSR1);
    return set;
}

}  // namespace

InterruptWatcher::InterruptWatcher(SearchEventQueue& queue) : queue_(queue) {
    const sigset_t set = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    // A Ctrl+C already pending (pressed while the tool started) is taken here, so that
    // its interrupt is queued before any search starts rather than whenever the
    // watching thread first runs, which may be after a short search has ended.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    const timespec no_wait{};
    if (sigtimedwait(&interrupt, nullptr, &no_wait) == SIGINT) Count();
    thread_ = std::thread([this] { Watch(); });
}

InterruptWatcher::~InterruptWatcher() {
    pthread_kill(thread_.native_handle(), SIGUSR1);
    thread_.join();
}

void InterruptWatcher::Watch() {
    const sigset_t set = WatchedSignals();
    for (;;) {
        int signal = 0;
        if (sigwait(&set, &signal) != 0 || signal != SIGINT) return;
        Count();
    }
}

void InterruptWatcher::Count() {
    if (interrupts_.fetch_add(1) > 0) {
        constexpr char kMessage[] = "\nvendarion-query: interrupted twice, quitting\n";
        const ssize_t written = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
        static_cast<void>(written);
        std::_Exit(130);
    }
    queue_.Post(SearchEventQueue::Event::kInterrupt);
}

}  // namespace vendarion::query_tool
