// The rows of the town, postal code and area code lists, straight from their sorted
// list; the town list may instead show only the towns of some books (those whose
// book holds a typed surname).
#pragma once

#include <vector>

#include "store/book_data.h"
#include "store/sorted_list.h"
#include "ui/row_source.h"

namespace vendarion {

class PlaceRows final : public RowSource {
public:
    // Towns: name and the town's own postal code (a town with several codes has a
    // row for each, so the code tells them apart); postal codes: code and town; area
    // codes: code and town without trailing blanks. A filtered town list shows the
    // book's name and the book's postal code text.
    PlaceRows(SortedList& list, const BookData& books) : list_(list), books_(books) {}

    // Shows only the towns of these books, one row per book, in the given order.
    void SetTownFilter(std::vector<int> books);
    void ClearTownFilter();
    bool Filtered() const { return filtered_; }

    int Count() override;
    std::string Text(int row, int column) override;
    // Filtered: the first row whose town begins with the text (the rows are in book
    // order, not in name order).
    int FindRow(std::string_view text) override;
    // The book of a row; -1 when the row is outside or cannot be read.
    int Book(int row);

private:
    SortedList& list_;
    const BookData& books_;
    bool filtered_ = false;
    std::vector<int> filter_;
};

}  // namespace vendarion
