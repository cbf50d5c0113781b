#include "ui/place_rows.h"

#include "base/ascii_text.h"
#include "base/fold_text.h"

namespace vendarion {

void PlaceRows::SetTownFilter(std::vector<int> books) {
    filter_ = std::move(books);
    filtered_ = true;
}

void PlaceRows::ClearTownFilter() {
    filter_.clear();
    filtered_ = false;
}

int PlaceRows::Count() { return filtered_ ? static_cast<int>(filter_.size()) : list_.Count(); }

std::string PlaceRows::Text(int row, int column) {
    if (filtered_) {
        if (row < 0 || row >= static_cast<int>(filter_.size())) return {};
        const int book = filter_[row];
        if (column == 0) return std::string(books_.Name(book));
        return column == 1 ? std::string(books_.TownPostalCode(book)) : std::string();
    }
    const ByteView record = list_.Record(row);
    if (record.empty()) return {};
    const ListRecord fields = list_.Parse(record);
    if (column == 0) return std::string(fields.first);
    if (column != 1) return {};
    if (list_.Kind() == ListKind::kAreaCodes) return std::string(TrimTrailingBlanks(fields.second));
    return std::string(fields.second);
}

int PlaceRows::FindRow(std::string_view text) {
    if (!filtered_) return list_.FindPrefix(text);
    // The filter is in book order, not in name order: the first town the text begins.
    const std::string folded = FoldText(text);
    for (std::size_t row = 0; row < filter_.size(); ++row) {
        if (FoldText(books_.Name(filter_[row])).starts_with(folded)) return static_cast<int>(row);
    }
    return -1;
}

int PlaceRows::Book(int row) {
    if (filtered_) return row >= 0 && row < static_cast<int>(filter_.size()) ? filter_[row] : -1;
    const ByteView record = list_.Record(row);
    return record.empty() ? -1 : list_.Parse(record).book;
}

}  // namespace vendarion
