// The books of a multi-town search, in the order the towns were marked, and the
// index of the next book to search. Active (a search over several books whose
// results are merged) only while it holds at least two books.
#pragma once

#include <span>
#include <vector>

namespace vendarion {

class TownSet {
public:
    // Empties and deactivates the set.
    void Clear();
    // Takes the books in order, leaving out repeats (two marked towns of one book)
    // and numbers outside 0 ... book_count - 1, and rewinds; returns how many were
    // kept.
    int Assign(std::span<const int> books, int book_count);

    bool Active() const { return books_.size() >= 2; }
    int Count() const { return static_cast<int>(books_.size()); }
    const std::vector<int>& Books() const { return books_; }

    // Starts again at the first book.
    void Rewind() { next_ = 0; }
    // The next book, or -1 after the last.
    int NextBook();

private:
    std::vector<int> books_;
    std::size_t next_ = 0;
};

}  // namespace vendarion
