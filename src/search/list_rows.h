// The rows of a searchable list (names in a town, bank codes, foreign codes) as the
// list view reads them: the lines of the result list after a search, otherwise the
// whole book of the town or the whole reference table.
//
// Threads: user-interface thread only. It reads the book list it was given (the
// data set's own) and the result list, which the worker may fill at the same time
// (the result list takes its lock per call).
#pragma once

#include <string>
#include <string_view>

#include "store/reference_table.h"
#include "store/subscriber_entry.h"

namespace vendarion {

class BookList;
class ResultList;

class ListRows {
public:
    enum class Source { kNone, kResults, kBook, kTable };

    ListRows(BookList& books, const ResultList& results) : books_(books), results_(results) {}

    void ShowNothing() { source_ = Source::kNone; }
    void ShowResults() { source_ = Source::kResults; }
    // Row r is table record (the book's first main entry + r), for as many rows as
    // the book has entries (fewer when the table ends before).
    void ShowBook(int book);
    // Every record of the bank or country table.
    void ShowTable(ReferenceKind kind);

    Source Shown() const { return source_; }
    int Count() const;
    // The first row at or after the surname in the shown book: 0 for an empty text,
    // the last row when the surname sorts after every entry of the book.
    int BookRowOf(std::string_view surname);

    // The text of a cell; empty when the row or column is outside the list or the
    // row cannot be read. Subscriber rows have 11 columns (the fields of a directory
    // hit's line), bank rows 4 (code, name, postal code, town), country rows 2
    // (country, code).
    std::string Text(int row, int column);
    // The entry a subscriber row carries; false for other lists and rows outside.
    [[nodiscard]] bool Entry(int row, SubscriberEntry* entry);

private:
    // Decodes book row r into entry_; false when it cannot be read.
    bool LoadBookRow(int row);
    std::string TableText(int row, int column) const;

    BookList& books_;
    const ResultList& results_;
    Source source_ = Source::kNone;
    int book_ = -1;
    int first_record_ = -1;
    int book_rows_ = 0;
    ReferenceKind table_ = ReferenceKind::kBanks;
    int loaded_row_ = -1;  // the book row held in entry_
    SubscriberEntry entry_;
};

}  // namespace vendarion
