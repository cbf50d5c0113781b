#include "store/sub_name_index.h"

#include <algorithm>

#include "store/block_inflater.h"
#include "store/sub_name_index_format.h"

namespace vendarion {
namespace {

using namespace sub_name_index_format;

}  // namespace

bool SubNameIndex::Open(ByteView member) {
    Close();
    std::uint32_t books = 0;
    std::uint32_t per_block = 0;
    std::uint32_t blocks = 0;
    if (!member.U32(kBookCount, &books) || !member.U32(kPairsPerBlock, &per_block) ||
        !member.U32(kBlockCount, &blocks) || per_block < 1 || per_block > kMaxPairsPerBlock ||
        books > static_cast<std::uint32_t>(INT32_MAX)) {
        return false;
    }
    const std::uint64_t book_bytes = static_cast<std::uint64_t>(books) * kBookEntrySize;
    const std::uint64_t block_bytes = static_cast<std::uint64_t>(blocks) * kBlockEntrySize;
    const std::uint64_t tables_end = kHeaderSize + book_bytes + block_bytes;
    if (!member.Contains(kHeaderSize, book_bytes + block_bytes)) return false;
    member_ = member;
    books_ = member.data() + kHeaderSize;
    blocks_ = books_ + book_bytes;
    book_count_ = static_cast<int>(books);
    pairs_per_block_ = per_block;
    block_count_ = blocks;
    for (std::uint32_t k = 0; k < blocks; ++k) {
        const std::uint8_t* entry = blocks_ + static_cast<std::size_t>(k) * kBlockEntrySize;
        const std::uint32_t offset = LoadU32(entry + kBlockOffset);
        if (offset < tables_end || !member.Contains(offset, LoadU32(entry + kBlockLength))) {
            Close();
            return false;
        }
    }
    for (int b = 0; b < book_count_; ++b) {
        const Book book = BookAt(b);
        const std::uint64_t needed =
            (static_cast<std::uint64_t>(book.pairs) + per_block - 1) / per_block;
        if (book.blocks != needed ||
            static_cast<std::uint64_t>(book.first_block) + book.blocks > blocks) {
            Close();
            return false;
        }
        for (std::uint32_t k = 1; k < book.blocks; ++k) {
            if (FirstId(book.first_block + k) < FirstId(book.first_block + k - 1)) {
                Close();
                return false;
            }
        }
    }
    buffer_.resize(static_cast<std::size_t>(per_block) * kPairSize);
    open_ = true;
    return true;
}

void SubNameIndex::Close() {
    open_ = false;
    member_ = {};
    book_count_ = 0;
    pairs_per_block_ = 1;
    block_count_ = 0;
    books_ = blocks_ = nullptr;
    cached_block_ = -1;
    buffer_.clear();
    pairs_.clear();
}

SubNameIndex::Book SubNameIndex::BookAt(int book) const {
    const std::uint8_t* entry = books_ + static_cast<std::size_t>(book) * kBookEntrySize;
    return {LoadU32(entry + kBookFirstBlock), LoadU32(entry + kBookBlocks),
            LoadU32(entry + kBookPairs)};
}

std::uint32_t SubNameIndex::FirstId(std::uint32_t block) const {
    return LoadU32(blocks_ + static_cast<std::size_t>(block) * kBlockEntrySize + kBlockFirstId);
}

std::uint32_t SubNameIndex::PairCount(int book) const {
    return Covers(book) ? BookAt(book).pairs : 0;
}

bool SubNameIndex::LoadBlock(const Book& book, std::uint32_t k) {
    const std::uint32_t block = book.first_block + k;
    if (block == cached_block_) return true;
    cached_block_ = -1;
    pairs_.clear();
    const std::uint32_t count =
        k + 1 < book.blocks ? pairs_per_block_ : book.pairs - k * pairs_per_block_;
    const std::uint8_t* entry = blocks_ + static_cast<std::size_t>(block) * kBlockEntrySize;
    const ByteView source =
        member_.Sub(LoadU32(entry + kBlockOffset), LoadU32(entry + kBlockLength));
    const std::size_t bytes = static_cast<std::size_t>(count) * kPairSize;
    if (!InflateBlock(source, buffer_.data(), buffer_.size(), bytes)) return false;
    Pair previous{FirstId(block), 0};
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t step = LoadU32(buffer_.data() + i * kPairSize);
        const std::uint32_t value = LoadU32(buffer_.data() + i * kPairSize + 4);
        Pair pair{previous.id + step, value};
        if (pair.id < previous.id) return false;
        if (i > 0 && step == 0) {
            pair.position = previous.position + value;
            if (value == 0 || pair.position < previous.position) return false;
        }
        pairs_.push_back(pair);
        previous = pair;
    }
    cached_block_ = block;
    return true;
}

bool SubNameIndex::CollectSpan(const Book& book, const IdSpan& span, std::vector<int>* out) {
    // The span's first pairs may end the block before the first one that starts at
    // or after the span.
    std::uint32_t k = 0;
    std::uint32_t end = book.blocks;
    while (k < end) {
        const std::uint32_t middle = k + (end - k) / 2;
        if (FirstId(book.first_block + middle) < span.first) {
            k = middle + 1;
        } else {
            end = middle;
        }
    }
    if (k > 0) --k;
    for (; k < book.blocks && FirstId(book.first_block + k) <= span.last; ++k) {
        if (!LoadBlock(book, k)) return false;
        for (const Pair& pair : pairs_) {
            if (pair.id > span.last) return true;
            if (pair.id < span.first) continue;
            if (pair.position > static_cast<std::uint32_t>(INT32_MAX)) return false;
            out->push_back(static_cast<int>(pair.position));
        }
    }
    return true;
}

bool SubNameIndex::Collect(int book, std::span<const IdSpan> spans, std::vector<int>* out) {
    if (!Covers(book)) return false;
    const Book entry = BookAt(book);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].last < spans[i].first || (i > 0 && spans[i].first <= spans[i - 1].last)) {
            return false;
        }
    }
    const std::size_t start = out->size();
    for (const IdSpan& span : spans) {
        if (!CollectSpan(entry, span, out)) return false;
    }
    // Each surname's positions ascend; several surnames interleave.
    if (!std::is_sorted(out->begin() + static_cast<std::ptrdiff_t>(start), out->end())) {
        std::sort(out->begin() + static_cast<std::ptrdiff_t>(start), out->end());
    }
    return true;
}

}  // namespace vendarion
