#include "search/result_list.h"

#include "base/fold_text.h"
#include "search/result_line.h"

namespace vendarion {
namespace {

constexpr std::size_t kMergeFoldCapacity = 1024;

std::string MergeKey(const std::string& line) {
    char folded[kMergeFoldCapacity];
    const std::size_t length = FoldText(line, folded, sizeof folded);
    return {folded, length};
}

}  // namespace

bool ResultList::Add(std::string line, Placement placement, int* row) {
    if (line.empty()) return false;
    const bool main_entry = IsMainEntryLine(line);
    std::string key = (placement == Placement::kMerge && main_entry) ? MergeKey(line) : "";
    std::lock_guard lock(mutex_);
    if (static_cast<int>(lines_.size()) >= kMaxLines) return false;
    int at = static_cast<int>(lines_.size());
    if (placement == Placement::kMerge) {
        if (main_entry) {
            at = MergePosition(key);
        } else if (insertion_row_ >= 0) {
            at = insertion_row_ + 1;
        }
        insertion_row_ = at;
    }
    lines_.insert(lines_.begin() + at, std::move(line));
    merge_keys_.insert(merge_keys_.begin() + at, std::move(key));
    if (row != nullptr) *row = at;
    return true;
}

int ResultList::MergePosition(const std::string& folded) const {
    for (std::size_t r = 0; r < lines_.size(); ++r) {
        if (IsMainEntryLine(lines_[r]) && CompareFolded(merge_keys_[r], folded, -1) > 0) {
            return static_cast<int>(r);
        }
    }
    return static_cast<int>(lines_.size());
}

void ResultList::Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
    merge_keys_.clear();
    insertion_row_ = -1;
}

int ResultList::Count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(lines_.size());
}

bool ResultList::Full() const { return Count() >= kMaxLines; }

std::string ResultList::Line(int r) const {
    std::lock_guard lock(mutex_);
    if (r < 0 || r >= static_cast<int>(lines_.size())) return {};
    return lines_[static_cast<std::size_t>(r)];
}

std::string ResultList::Field(int r, int n) const {
    std::lock_guard lock(mutex_);
    if (r < 0 || r >= static_cast<int>(lines_.size())) return {};
    return std::string(ResultField(lines_[static_cast<std::size_t>(r)], n));
}

int ResultList::InsertionRow() const {
    std::lock_guard lock(mutex_);
    return insertion_row_;
}

}  // namespace vendarion
