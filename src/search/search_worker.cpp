#include "search/search_worker.h"

namespace vendarion {

SearchWorker::SearchWorker(ResultList& results, SearchNotifications& notifications)
    : results_(results), notifications_(notifications), thread_([this] { Run(); }) {}

SearchWorker::~SearchWorker() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    Cancel();
    wake_.notify_all();
    thread_.join();
}

void SearchWorker::SetJob(SearchEvent event, Job job) {
    std::lock_guard lock(mutex_);
    jobs_[static_cast<std::size_t>(event)] = std::move(job);
}

void SearchWorker::Signal(SearchEvent event) {
    {
        std::lock_guard lock(mutex_);
        signalled_[static_cast<std::size_t>(event)] = true;
        busy_ = true;
        running_.store(1);
        book_index_.store(0);
    }
    wake_.notify_all();
}

bool SearchWorker::Busy() const {
    std::lock_guard lock(mutex_);
    return busy_;
}

bool SearchWorker::AddLine(std::string line, ResultList::Placement placement) {
    if (!Running() || line.empty()) return false;
    int row = -1;
    if (!results_.Add(std::move(line), placement, &row)) {
        if (results_.Full()) hit_line_limit_.store(true);
        return false;
    }
    notifications_.LineAdded(row, results_.Count());
    return true;
}

void SearchWorker::Run() {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            std::size_t fired = 0;
            wake_.wait(lock, [&] {
                if (quit_) return true;
                for (fired = 0; fired < signalled_.size(); ++fired) {
                    if (signalled_[fired]) return true;
                }
                return false;
            });
            if (quit_) return;
            signalled_[fired] = false;
            job = jobs_[fired];
            hit_line_limit_.store(false);
            book_index_.store(0);
        }
        notifications_.SearchStarted();
        if (job) job(*this);
        running_.store(0);
        {
            std::lock_guard lock(mutex_);
            bool more = false;
            for (const bool signalled : signalled_) more = more || signalled;
            busy_ = more;
        }
        notifications_.SearchFinished();
    }
}

}  // namespace vendarion
