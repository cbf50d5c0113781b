// Lists of single words: the surnames of the country (from the name-to-books index)
// and the streets or trade headings of one book (from a relation index).
#pragma once

#include "store/book_list.h"
#include "store/name_to_books.h"
#include "store/relation_index.h"
#include "ui/row_source.h"

namespace vendarion {

class SurnameRows final : public RowSource {
public:
    // books is the user-interface thread's book list, for the surname words.
    SurnameRows(const NameToBooks& index, BookList& books) : index_(index), books_(books) {}

    int Count() override { return index_.EntryCount(); }
    std::string Text(int row, int column) override;
    int FindRow(std::string_view text) override { return index_.Find(books_, text); }
    // The books the surname of a row occurs in, in index order.
    std::vector<int> Books(int row) const;

private:
    const NameToBooks& index_;
    BookList& books_;
};

class RelationRows final : public RowSource {
public:
    RelationRows(const RelationIndex& index, BookList& books) : index_(index), books_(books) {}

    void SetBook(int book) { book_ = book; }
    int Count() override { return index_.Count(book_); }
    std::string Text(int row, int column) override;
    int FindRow(std::string_view text) override { return index_.Find(books_, book_, text); }

private:
    const RelationIndex& index_;
    BookList& books_;
    int book_ = -1;
};

// The books whose entries hold the surname (compared folded), sorted, without
// repeats; empty when the surname is not in the index.
std::vector<int> BooksWithSurname(const NameToBooks& index, BookList& books,
                                  std::string_view surname);

}  // namespace vendarion
