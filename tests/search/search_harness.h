// What the search tests share: a control over a tiny data set, driven on the test's
// thread, and a queue that can hold the worker at a chosen row so that a test acts
// in the middle of a search deterministically.
#pragma once

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "names_data_set.h"
#include "search/search_control.h"
#include "search/search_event_queue.h"

namespace vendarion::test {

// Holds the worker inside LineAdded when the list reaches `gate` rows, until Release.
class GatedQueue : public SearchEventQueue {
public:
    explicit GatedQueue(int gate = -1) : gate_(gate) {}

    void LineAdded(int row, int count) override {
        SearchEventQueue::LineAdded(row, count);
        std::unique_lock lock(mutex_);
        if (count != gate_ || released_) return;
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    // Waits (bounded) until the worker is held; false on time-out.
    bool WaitReached() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [this] { return reached_; });
    }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

private:
    const int gate_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool reached_ = false;
    bool released_ = false;
};

// A data set of the given books with a control over it. The queue is released when
// the harness goes, so a failed test never leaves the worker held.
class SearchHarness {
public:
    explicit SearchHarness(const std::vector<NameBook>& books, int gate = -1)
        : SearchHarness(MakeNamesDataSet(books), gate) {}
    explicit SearchHarness(const SampleDataSet& data, int gate = -1)
        : data_(data), queue_(gate), control_(SearchControl::Create(data_.data_set(), queue_)) {
        EXPECT_NE(control_, nullptr);
    }
    ~SearchHarness() {
        queue_.Release();
        control_.reset();
    }

    DataSet& data_set() { return data_.data_set(); }
    GatedQueue& queue() { return queue_; }
    SearchControl& control() { return *control_; }
    SearchInputs& inputs() { return control_->Inputs(); }
    FinishOutcome Drive() { return DriveSearches(*control_, queue_); }

    // Field `field` of every result row, top to bottom.
    std::vector<std::string> Column(int field) const {
        std::vector<std::string> out;
        for (int r = 0; r < control_->Results().Count(); ++r) {
            out.push_back(control_->Results().Field(r, field));
        }
        return out;
    }

private:
    OpenedDataSet data_;
    GatedQueue queue_;
    std::unique_ptr<SearchControl> control_;
};

// A name search in one town: the inputs set and the search started.
inline StartOutcome SearchNames(SearchHarness& h, int book, const std::string& surname,
                                NameMode mode = NameMode::kNormal,
                                const std::string& first_name = "") {
    h.inputs().list_type = ListType::kNames;
    h.inputs().town_book = book;
    h.inputs().texts = {surname, first_name, "", ""};
    h.inputs().name_mode = mode;
    return h.control().StartSearch();
}

}  // namespace vendarion::test
