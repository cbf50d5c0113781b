#include "search/town_set.h"

#include <algorithm>

namespace vendarion {

void TownSet::Clear() {
    books_.clear();
    next_ = 0;
}

int TownSet::Assign(std::span<const int> books, int book_count) {
    Clear();
    for (const int book : books) {
        if (book < 0 || book >= book_count) continue;
        if (std::find(books_.begin(), books_.end(), book) != books_.end()) continue;
        books_.push_back(book);
    }
    return Count();
}

int TownSet::NextBook() {
    if (next_ >= books_.size()) return -1;
    return books_[next_++];
}

}  // namespace vendarion
