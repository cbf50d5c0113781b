#include "ui/entry_rows.h"

#include "search/result_line.h"

namespace vendarion {

int SearchRows::FindRow(std::string_view text) {
    return rows_.Shown() == ListRows::Source::kBook ? rows_.BookRowOf(text) : -1;
}

std::string StoreRows::Text(int row, int column) {
    if (row < 0 || row >= Count()) return {};
    return EntryCellText(store_->EntryAt(row), column);
}

}  // namespace vendarion
