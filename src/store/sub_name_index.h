// The index of sub-entry surnames (SubEntryNames.z): per book, the table positions
// of the sub-entries whose surname differs from their main entry's, by surname id.
// Holds one inflated block; one thread per object (each book list has its own).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/byte_view.h"

namespace vendarion {

// Surname ids first ... last, both included.
struct IdSpan {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
};

class SubNameIndex {
public:
    SubNameIndex() = default;
    SubNameIndex(const SubNameIndex&) = delete;
    SubNameIndex& operator=(const SubNameIndex&) = delete;

    // Checks the header, every book entry against the block count and the pair count,
    // every block entry against the member and the order of a book's first ids; false
    // (and closed) on any mismatch.
    [[nodiscard]] bool Open(ByteView member);
    void Close();
    bool IsOpen() const { return open_; }

    // Whether the index covers the book (books from the index's count on do not).
    bool Covers(int book) const { return open_ && book >= 0 && book < book_count_; }
    // How many sub-entries of the book the index lists.
    std::uint32_t PairCount(int book) const;

    // Appends to out the table positions of the book's listed sub-entries whose
    // surname id lies in one of the spans (ascending and disjoint), in table order.
    // False when the book is not covered, the spans are out of order, or a block
    // does not inflate or breaks the order of its pairs.
    [[nodiscard]] bool Collect(int book, std::span<const IdSpan> spans, std::vector<int>* out);

private:
    struct Pair {
        std::uint32_t id = 0;
        std::uint32_t position = 0;
    };
    struct Book {
        std::uint32_t first_block = 0;
        std::uint32_t blocks = 0;
        std::uint32_t pairs = 0;
    };

    Book BookAt(int book) const;
    std::uint32_t FirstId(std::uint32_t block) const;
    // Inflates and decodes block k of book into pairs_; false when it is damaged.
    [[nodiscard]] bool LoadBlock(const Book& book, std::uint32_t k);
    // Adds the positions of the span's pairs to out.
    [[nodiscard]] bool CollectSpan(const Book& book, const IdSpan& span, std::vector<int>* out);

    bool open_ = false;
    ByteView member_;
    int book_count_ = 0;
    std::uint32_t pairs_per_block_ = 1;
    std::uint32_t block_count_ = 0;
    const std::uint8_t* books_ = nullptr;
    const std::uint8_t* blocks_ = nullptr;
    std::int64_t cached_block_ = -1;
    std::vector<std::uint8_t> buffer_;
    std::vector<Pair> pairs_;  // of the cached block
};

}  // namespace vendarion
