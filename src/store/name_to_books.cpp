#include "store/name_to_books.h"

#include "store/book_list.h"
#include "store/relation_index_format.h"

namespace vendarion {

using namespace relation_index_format;

bool NameToBooks::Open(const ArchiveFile& index_archive, const ArchiveFile& data_archive) {
    Close();
    ByteView trie;
    ByteView member;
    return index_archive.Find(kNamesTrieMember, &trie) &&
           data_archive.Find(kNamesMember, &member) && Open(trie, member);
}

bool NameToBooks::Open(ByteView trie, ByteView member) {
    Close();
    std::int32_t count = 0;
    if (trie.data() == nullptr || !member.I32(0, &count) || count < 0) return false;
    const ByteView entries =
        member.Sub(kHeaderSize, static_cast<std::uint64_t>(count) * kNameEntrySize);
    if (entries.data() == nullptr) return false;
    // Each entry's books are checked against the book area where they are read
    // (Books): checking a million entries here would cost every process that opens
    // the data set several milliseconds.
    const std::uint64_t books_start = kHeaderSize + entries.size();
    const ByteView books = member.Sub(books_start, member.size() - books_start);
    entries_ = entries;
    books_ = books;
    trie_ = Trie(trie);
    entry_count_ = count;
    return true;
}

void NameToBooks::Close() {
    entries_ = {};
    books_ = {};
    trie_ = Trie();
    entry_count_ = 0;
}

const std::uint8_t* NameToBooks::Entry(int entry) const {
    if (entry < 0 || entry >= entry_count_) return nullptr;
    return entries_.data() + static_cast<std::size_t>(entry) * kNameEntrySize;
}

int NameToBooks::Find(BookList& books, std::string_view surname) const {
    const int start = trie_.Lookup(surname);
    if (start < 0) return -1;
    const int word = books.Surnames().LowerBound(surname);
    if (word < 0) return -1;
    const std::int64_t end = static_cast<std::int64_t>(start) + kNameWalkLimit;
    for (std::int64_t e = start; e < end && e < entry_count_; ++e) {
        if (Id(static_cast<int>(e)) >= static_cast<std::uint32_t>(word) + 1) {
            return static_cast<int>(e);
        }
    }
    return -1;
}

std::uint32_t NameToBooks::Id(int entry) const {
    const std::uint8_t* record = Entry(entry);
    return record ? LoadU24(record) : 0;
}

std::string_view NameToBooks::Name(BookList& books, int entry) const {
    const std::uint32_t id = Id(entry);
    if (id == 0) return {};
    return books.Surnames().Word(static_cast<int>(id - 1));
}

int NameToBooks::BookCount(int entry) const {
    const std::uint8_t* record = Entry(entry);
    if (record == nullptr) return 0;
    const std::int16_t count = LoadI16(record + kNameBookCount);
    return count > 0 ? count : 0;
}

int NameToBooks::Books(int entry, int first, int last, std::vector<std::int16_t>* out) const {
    const int count = BookCount(entry);
    if (count < last + 1 || last < first || first < 0) return 0;
    const std::int32_t offset = LoadI32(Entry(entry) + kNameOffset);
    if (count == 1) {
        out->push_back(static_cast<std::int16_t>(offset));
        return 1;
    }
    const std::uint64_t start =
        static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(first) * kBookNumberSize;
    const std::uint64_t length = static_cast<std::uint64_t>(last - first + 1) * kBookNumberSize;
    if (offset < 0 || !books_.Contains(start, length)) return 0;
    for (int i = first; i <= last; ++i) {
        out->push_back(
            LoadI16(books_.data() + offset + static_cast<std::size_t>(i) * kBookNumberSize));
    }
    return last - first + 1;
}

}  // namespace vendarion
