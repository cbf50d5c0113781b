#include "ui/word_rows.h"

#include <algorithm>

#include "base/fold_text.h"

namespace vendarion {

std::string SurnameRows::Text(int row, int column) {
    if (column != 0 || row < 0 || row >= index_.EntryCount()) return {};
    return std::string(index_.Name(books_, row));
}

std::vector<int> SurnameRows::Books(int row) const {
    std::vector<std::int16_t> books;
    const int count = index_.BookCount(row);
    if (count > 0) (void)index_.Books(row, 0, count - 1, &books);
    return {books.begin(), books.end()};
}

std::string RelationRows::Text(int row, int column) {
    if (column != 0) return {};
    return std::string(index_.Item(books_, book_, row));
}

std::vector<int> BooksWithSurname(const NameToBooks& index, BookList& books,
                                  std::string_view surname) {
    const int entry = index.Find(books, surname);
    if (entry < 0 || FoldText(index.Name(books, entry)) != FoldText(surname)) return {};
    SurnameRows rows(index, books);
    std::vector<int> found = rows.Books(entry);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace vendarion
