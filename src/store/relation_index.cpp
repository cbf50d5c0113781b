#include "store/relation_index.h"

#include "store/book_list.h"
#include "store/relation_index_format.h"

namespace vendarion {

using namespace relation_index_format;

bool RelationIndex::Open(RelationKind kind, const ArchiveFile& data_archive) {
    Close();
    ByteView member;
    const char* name = kind == RelationKind::kStreets ? kStreetsMember : kHeadingsMember;
    return data_archive.Find(name, &member) && Open(kind, member);
}

bool RelationIndex::Open(RelationKind kind, ByteView member) {
    Close();
    std::int32_t count = 0;
    if (!member.I32(0, &count) || count < 0) return false;
    const ByteView entries =
        member.Sub(kHeaderSize, static_cast<std::uint64_t>(count) * kBookEntrySize);
    if (entries.data() == nullptr) return false;
    const std::uint64_t ids_start = kHeaderSize + entries.size();
    const ByteView ids = member.Sub(ids_start, member.size() - ids_start);
    for (std::int32_t book = 0; book < count; ++book) {
        const std::uint8_t* entry =
            entries.data() + static_cast<std::size_t>(book) * kBookEntrySize;
        const std::int32_t offset = LoadI32(entry);
        const std::int32_t n = LoadI32(entry + 4);
        if (n < 0) return false;
        if (n != 1 &&
            (offset < 0 || !ids.Contains(offset, static_cast<std::uint64_t>(n) * kIdSize))) {
            return false;
        }
    }
    kind_ = kind;
    entries_ = entries;
    ids_ = ids;
    book_count_ = count;
    return true;
}

void RelationIndex::Close() {
    entries_ = {};
    ids_ = {};
    book_count_ = 0;
}

int RelationIndex::Count(int book) const {
    if (book < 0 || book >= book_count_) return 0;
    return LoadI32(entries_.data() + static_cast<std::size_t>(book) * kBookEntrySize + 4);
}

std::uint32_t RelationIndex::Id(int book, int i) const {
    const int n = Count(book);
    if (i < 0 || i >= n) return 0;
    const std::uint8_t* entry = entries_.data() + static_cast<std::size_t>(book) * kBookEntrySize;
    if (n == 1) return LoadU32(entry);
    return LoadU24(ids_.data() + LoadI32(entry) + static_cast<std::size_t>(i) * kIdSize);
}

FieldDictionary& RelationIndex::DictionaryOf(BookList& books) const {
    return kind_ == RelationKind::kStreets ? books.Streets() : books.Headings();
}

std::string_view RelationIndex::Item(BookList& books, int book, int i) const {
    const std::uint32_t id = Id(book, i);
    if (id == 0) return {};
    return DictionaryOf(books).Word(static_cast<int>(id - 1));
}

int RelationIndex::Find(BookList& books, int book, std::string_view text) const {
    int lo = -1;
    int hi = -1;
    if (!DictionaryOf(books).PrefixRange(text, &lo, &hi)) return -1;
    const int n = Count(book);
    if (n == 1) return 0;
    for (int i = 0; i < n; ++i) {
        if (Id(book, i) >= static_cast<std::uint32_t>(lo) + 1) return i;
    }
    return -1;
}

}  // namespace vendarion
