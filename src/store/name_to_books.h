// In which books each surname occurs. Immutable after Open and shareable between
// threads; lookups that need words use the surnames dictionary of the book list
// passed in, which belongs to the calling thread.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/byte_view.h"
#include "store/archive_file.h"
#include "store/trie.h"

namespace vendarion {

class BookList;

class NameToBooks {
public:
    // Needs "NameToBooks.tri2" (index archive) and "NameToBooks.bhi" (data archive).
    // False (and closed) when a member is missing or its entries do not fit it; an
    // entry whose books lie outside the book area yields no books.
    [[nodiscard]] bool Open(const ArchiveFile& index_archive, const ArchiveFile& data_archive);
    [[nodiscard]] bool Open(ByteView trie, ByteView member);
    void Close();
    bool IsOpen() const { return entries_.data() != nullptr; }

    int EntryCount() const { return entry_count_; }
    // The first name entry, from the trie's starting point, whose id is at or after
    // the surname's lower bound in the surnames dictionary; -1 when none.
    int Find(BookList& books, std::string_view surname) const;
    // The surname id of an entry (word number + 1); 0 when outside.
    std::uint32_t Id(int entry) const;
    // The surname of an entry; view valid until the next call on the dictionary.
    std::string_view Name(BookList& books, int entry) const;
    // The number of books of an entry; 0 when outside or negative.
    int BookCount(int entry) const;
    // Appends books first ... last of the entry to out; the number appended, 0 when
    // last is beyond the count, last < first, first < 0 or the books lie outside
    // the book area.
    int Books(int entry, int first, int last, std::vector<std::int16_t>* out) const;

private:
    const std::uint8_t* Entry(int entry) const;

    ByteView entries_;
    ByteView books_;
    Trie trie_;
    int entry_count_ = 0;
};

}  // namespace vendarion
