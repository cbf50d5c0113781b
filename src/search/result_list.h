// The rows behind a result list view: at most 1000 ResultLines, and the insertion
// point of the multi-town merge. Thread-safe: the search worker adds rows while the
// user-interface thread reads them; every call takes the list's lock, and rows are
// handed out as copies.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace vendarion {

class ResultList {
public:
    static constexpr int kMaxLines = 1000;

    enum class Placement {
        kAppend,  // at the end
        kMerge,   // main entries sorted in by folded line, sub-entries under theirs
    };

    // Adds a line; false (nothing added) when it is empty or the list is full. The
    // row where it went is stored in *row when row is not null.
    [[nodiscard]] bool Add(std::string line, Placement placement, int* row = nullptr);
    void Clear();
    int Count() const;
    bool Full() const;
    // A copy of row r; empty when r is outside the list.
    std::string Line(int r) const;
    // Field n of row r.
    std::string Field(int r, int n) const;
    // The merge insertion point: the row of the line added last by a merge, or -1.
    int InsertionRow() const;

private:
    int MergePosition(const std::string& folded) const;

    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    // The folded form of each main entry's line (empty for sub-entries), kept beside
    // the lines so that a merge folds each row once.
    std::vector<std::string> merge_keys_;
    int insertion_row_ = -1;
};

}  // namespace vendarion
