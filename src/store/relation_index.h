// Which street words (kind 0) or heading words (kind 1) each book has. The index is
// immutable after Open and may be shared by threads; the lookups that turn ids into
// words use the dictionaries of the book list passed in, which belongs to the
// calling thread.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/byte_view.h"
#include "store/archive_file.h"

namespace vendarion {

class BookList;
class FieldDictionary;

enum class RelationKind { kStreets = 0, kHeadings = 1 };

class RelationIndex {
public:
    // Finds the kind's member and checks every book entry's ids against the id area;
    // false (and closed) when missing or damaged.
    [[nodiscard]] bool Open(RelationKind kind, const ArchiveFile& data_archive);
    [[nodiscard]] bool Open(RelationKind kind, ByteView member);
    void Close();
    bool IsOpen() const { return entries_.data() != nullptr; }
    RelationKind Kind() const { return kind_; }

    int BookCount() const { return book_count_; }
    // The number of words of the book; 0 for a book outside the index.
    int Count(int book) const;
    // The i-th id of the book (word number + 1); 0 when outside.
    std::uint32_t Id(int book, int i) const;
    // The i-th word of the book, from the kind's dictionary of books; empty when
    // outside. The view lives until the next call on that dictionary.
    std::string_view Item(BookList& books, int book, int i) const;
    // The first position of the book whose id is at or after the start of the prefix
    // range of text; 0 when the book has exactly one word and the range exists; -1
    // when there is no range or no such position.
    int Find(BookList& books, int book, std::string_view text) const;

private:
    FieldDictionary& DictionaryOf(BookList& books) const;

    RelationKind kind_ = RelationKind::kStreets;
    ByteView entries_;
    ByteView ids_;
    int book_count_ = 0;
};

}  // namespace vendarion
