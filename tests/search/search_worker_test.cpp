#include "search/search_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace vendarion {
namespace {

// Counts the announcements and lets the test wait for the end of a search.
class RecordingNotifications : public SearchNotifications {
public:
    void SearchStarted() override { ++started_; }
    void SearchFinished() override {
        std::lock_guard lock(mutex_);
        ++finished_;
        changed_.notify_all();
    }
    void LineAdded(int, int count) override { last_count_ = count; }

    // Waits (bounded) until n searches have finished.
    bool WaitFinished(int n) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return finished_ >= n; });
    }
    int started() const { return started_; }
    int last_count() const { return last_count_; }

private:
    std::atomic<int> started_{0};
    std::atomic<int> last_count_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    int finished_ = 0;
};

std::string Line(int i) { return "Name " + std::to_string(i) + "\x01"; }

// A job that offers n lines, stopping when a line is refused.
SearchWorker::Job OfferLines(int n) {
    return [n](SearchWorker& worker) {
        for (int i = 0; i < n; ++i) {
            if (!worker.AddLine(Line(i))) {
                worker.Stop();
                return;
            }
        }
    };
}

TEST(SearchWorker, ExactlyAThousandHitsIsNotOverTheLimit) {
    ResultList results;
    RecordingNotifications notes;
    SearchWorker worker(results, notes);
    worker.SetJob(SearchEvent::kDirectory, OfferLines(1000));
    worker.Signal(SearchEvent::kDirectory);
    ASSERT_TRUE(notes.WaitFinished(1));
    EXPECT_EQ(results.Count(), 1000);
    EXPECT_FALSE(worker.HitLineLimit());
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(notes.started(), 1);
    EXPECT_EQ(notes.last_count(), 1000);
}

TEST(SearchWorker, TheThousandAndFirstHitIsRefusedAndRemembered) {
    ResultList results;
    RecordingNotifications notes;
    SearchWorker worker(results, notes);
    worker.SetJob(SearchEvent::kBankCodes, OfferLines(1001));
    worker.Signal(SearchEvent::kBankCodes);
    ASSERT_TRUE(notes.WaitFinished(1));
    EXPECT_EQ(results.Count(), 1000);
    EXPECT_TRUE(worker.HitLineLimit());
    // The next search starts with a clean record.
    results.Clear();
    worker.SetJob(SearchEvent::kBankCodes, OfferLines(3));
    worker.Signal(SearchEvent::kBankCodes);
    ASSERT_TRUE(notes.WaitFinished(2));
    EXPECT_FALSE(worker.HitLineLimit());
    EXPECT_EQ(results.Count(), 3);
}

TEST(SearchWorker, CancelKeepsTheRowsFoundSoFar) {
    ResultList results;
    RecordingNotifications notes;
    SearchWorker worker(results, notes);
    std::atomic<bool> ten_added{false};
    worker.SetJob(SearchEvent::kDirectory, [&](SearchWorker& w) {
        for (int i = 0; w.Running(); ++i) {
            if (w.AddLine(Line(i)) && i == 9) ten_added = true;
            if (i >= 9) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    worker.Signal(SearchEvent::kDirectory);
    while (!ten_added) std::this_thread::yield();
    worker.Cancel();
    ASSERT_TRUE(notes.WaitFinished(1));
    const int kept = results.Count();
    EXPECT_GE(kept, 10);
    EXPECT_LT(kept, 1000);
    EXPECT_FALSE(worker.AddLine("late\x01"));
    EXPECT_EQ(results.Count(), kept);
}

TEST(SearchWorker, SignalsQueueUpAndEachSearchIsAnnounced) {
    ResultList results;
    RecordingNotifications notes;
    SearchWorker worker(results, notes);
    worker.SetJob(SearchEvent::kCountryCodes, OfferLines(2));
    worker.SetJob(SearchEvent::kInternet, OfferLines(5));
    worker.Signal(SearchEvent::kCountryCodes);
    ASSERT_TRUE(notes.WaitFinished(1));
    worker.Signal(SearchEvent::kInternet);
    ASSERT_TRUE(notes.WaitFinished(2));
    EXPECT_EQ(notes.started(), 2);
    EXPECT_EQ(results.Count(), 7);
    EXPECT_FALSE(worker.Busy());
}

TEST(SearchWorker, DestroyingStopsARunningSearch) {
    ResultList results;
    RecordingNotifications notes;
    {
        SearchWorker worker(results, notes);
        worker.SetJob(SearchEvent::kDirectory, [](SearchWorker& w) {
            while (w.Running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        worker.Signal(SearchEvent::kDirectory);
    }
    EXPECT_TRUE(notes.WaitFinished(0));
}

}  // namespace
}  // namespace vendarion
