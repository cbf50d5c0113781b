#include "store/sorted_list.h"

#include <cstring>

#include "base/fold_text.h"
#include "store/block_inflater.h"

namespace vendarion {
namespace {

using namespace sorted_list_format;

// Folded search texts keep at most 255 characters.
constexpr std::size_t kFoldCapacity = 256;
// Refuses index headers that would make the block buffer absurdly large.
constexpr std::uint64_t kMaxBufferSize = 64u << 20;

const ListLayout& LayoutOf(ListKind kind) {
    switch (kind) {
        case ListKind::kTowns:
            return kTownLayout;
        case ListKind::kPostalCodes:
            return kPostalCodeLayout;
        case ListKind::kAreaCodes:
            break;
    }
    return kAreaCodeLayout;
}

// The text up to its first zero byte, as C string functions would see it.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

SortedList::SortedList(ListKind kind) : kind_(kind), layout_(LayoutOf(kind)) {}

bool SortedList::Open(const ArchiveFile& list_archive) {
    Close();
    ByteView index;
    ByteView data;
    return list_archive.Find(layout_.index_member, &index) &&
           list_archive.Find(layout_.data_member, &data) && Open(index, data);
}

bool SortedList::Open(ByteView index, ByteView data) {
    Close();
    if (data.data() == nullptr) return false;
    data_ = data;
    std::int32_t count = 0;
    std::int32_t per_block = 0;
    if (!index.I32(kCount, &count) || !index.I32(kPerBlock, &per_block) || count < 0 ||
        per_block < 1) {
        return false;
    }
    const std::uint64_t blocks = (static_cast<std::uint64_t>(count) + per_block - 1) / per_block;
    descriptors_ = index.Sub(kHeaderSize, blocks * layout_.descriptor_size);
    // A buffer for more records than the list holds is never filled.
    const std::uint64_t held = count < per_block ? (count > 0 ? count : 1) : per_block;
    if (descriptors_.data() == nullptr || held * layout_.record_size > kMaxBufferSize) {
        return false;
    }
    count_ = count;
    per_block_ = per_block;
    blocks_ = static_cast<int>(blocks);
    if (!CheckDescriptors()) {
        Close();
        return false;
    }
    buffer_.assign(static_cast<std::size_t>(held * layout_.record_size), 0);
    cached_block_ = -1;
    open_ = true;
    return true;
}

bool SortedList::CheckDescriptors() const {
    const std::size_t size = layout_.descriptor_size;
    for (int k = 0; k < blocks_; ++k) {
        const std::uint8_t* descriptor = descriptors_.data() + k * size;
        const std::int32_t length = LoadI32(descriptor + size - 8);
        const std::int32_t offset = LoadI32(descriptor + size - 4);
        if (length < 0 || offset < 0 || !data_.Contains(offset, length)) return false;
    }
    return true;
}

void SortedList::Close() {
    open_ = false;
    data_ = {};
    descriptors_ = {};
    count_ = 0;
    per_block_ = 1;
    blocks_ = 0;
    buffer_.clear();
    buffer_.shrink_to_fit();
    cached_block_ = -1;
}

int SortedList::RecordsInBlock(int block) const {
    return block == blocks_ - 1 ? count_ - block * per_block_ : per_block_;
}

bool SortedList::LoadBlock(int block) {
    if (block == cached_block_) return true;
    if (block < 0 || block >= blocks_) return false;
    const std::size_t size = layout_.descriptor_size;
    const std::uint8_t* descriptor = descriptors_.data() + block * size;
    const ByteView source =
        data_.Sub(LoadI32(descriptor + size - 4), LoadI32(descriptor + size - 8));
    const std::size_t expected =
        static_cast<std::size_t>(RecordsInBlock(block)) * layout_.record_size;
    if (!InflateBlock(source, buffer_.data(), buffer_.size(), expected)) return false;
    cached_block_ = block;
    return true;
}

ByteView SortedList::Record(int r) {
    if (!open_ || r < 0 || r >= count_ || !LoadBlock(r / per_block_)) return {};
    return {buffer_.data() + static_cast<std::size_t>(r % per_block_) * layout_.record_size,
            layout_.record_size};
}

int SortedList::GetRange(int first, int last, std::string* out) {
    if (last < first || first < 0 || last >= count_) return 0;
    const std::size_t start = out->size();
    for (int r = first; r <= last; ++r) {
        const ByteView record = Record(r);
        if (record.empty()) {
            out->resize(start);
            return 0;
        }
        out->append(reinterpret_cast<const char*>(record.data()), record.size());
    }
    return last - first + 1;
}

ListRecord SortedList::Parse(ByteView record) const {
    ListRecord fields;
    if (record.size() < layout_.record_size) return fields;
    fields.first = record.CString(0, layout_.first_width);
    fields.second = record.CString(layout_.second_offset, layout_.second_width);
    fields.book = LoadI32(record.data() + layout_.book_offset);
    return fields;
}

// Walks the descriptors until the first key at or above the folded text and takes
// the block before it (block 0 when the first key is already there). Stopping at an
// equal key matters: a town named in many books fills a run of equal keys that may
// start inside the block before, and the scan must begin there to find its first row.
int SortedList::ChooseTownBlock(std::string_view folded) const {
    char key[kFoldCapacity];
    for (int k = 0; k < blocks_; ++k) {
        const ByteView descriptor =
            descriptors_.Sub(k * layout_.descriptor_size, layout_.key_width);
        const std::size_t length =
            FoldText(descriptor.CString(0, layout_.key_width), key, sizeof key);
        if (CompareFolded({key, length}, folded, -1) >= 0) return k > 0 ? k - 1 : 0;
    }
    return blocks_ - 1;
}

// As for towns, but unfolded.
int SortedList::ChooseCodeBlock(std::string_view text) const {
    for (int k = 0; k < blocks_; ++k) {
        const ByteView descriptor =
            descriptors_.Sub(k * layout_.descriptor_size, layout_.key_width);
        if (CompareFolded(descriptor.CString(0, layout_.key_width), text, -1) >= 0) {
            return k > 0 ? k - 1 : 0;
        }
    }
    return blocks_ - 1;
}

// The first record of the block at or after text over text's length; the first
// record of the next block when the whole block is smaller.
int SortedList::ScanBlock(int block, std::string_view text) {
    if (!LoadBlock(block)) return -1;
    const int length = static_cast<int>(text.size());
    char folded[kFoldCapacity * 2];
    for (int i = 0; i < per_block_; ++i) {
        const int r = block * per_block_ + i;
        if (r == count_) return -1;
        const ByteView record(buffer_.data() + static_cast<std::size_t>(i) * layout_.record_size,
                              layout_.record_size);
        std::string_view name = record.CString(0, layout_.first_width);
        if (layout_.folded) name = {folded, FoldText(name, folded, sizeof folded)};
        if (CompareFolded(name, text, length) >= 0) return r;
    }
    return block * per_block_ + per_block_;
}

int SortedList::FindPrefix(std::string_view text) {
    if (!open_ || blocks_ == 0) return -1;
    text = UpToZero(text);
    if (!layout_.folded) return ScanBlock(ChooseCodeBlock(text), text);
    char folded[kFoldCapacity];
    const std::string_view key(folded, FoldText(text, folded, sizeof folded));
    return ScanBlock(ChooseTownBlock(key), key);
}

}  // namespace vendarion
