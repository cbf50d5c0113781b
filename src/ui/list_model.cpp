#include "ui/list_model.h"

#include "search/row_entry.h"
#include "store/subscriber_entry.h"
#include "ui/row_source.h"
#include "ui/ui_text.h"

namespace vendarion {

void ListModel::SetSource(RowSource* source, const std::vector<ListColumn>& columns) {
    beginResetModel();
    source_ = source;
    headers_.clear();
    for (const ListColumn& column : columns) headers_.append(ToQString(column.header));
    count_ = source_ != nullptr ? source_->Count() : 0;
    endResetModel();
}

void ListModel::Reload() {
    beginResetModel();
    count_ = source_ != nullptr ? source_->Count() : 0;
    endResetModel();
}

void ListModel::RowsAdded(int changed_row) {
    if (source_ == nullptr) return;
    const int old_count = count_;
    const int new_count = source_->Count();
    if (new_count > old_count) {
        beginInsertRows(QModelIndex(), old_count, new_count - 1);
        count_ = new_count;
        endInsertRows();
    }
    if (changed_row >= 0 && changed_row < old_count) {
        emit dataChanged(index(changed_row, 0), index(count_ - 1, columnCount() - 1));
    }
}

void ListModel::SetPaused(bool paused) {
    if (paused_ == paused) return;
    paused_ = paused;
    if (!paused_ && count_ > 0) {
        emit dataChanged(index(0, 0), index(count_ - 1, columnCount() - 1));
    }
}

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (paused_ || source_ == nullptr || !index.isValid()) return {};
    if (role == kLevelRole) {
        const std::int32_t level = LevelOfCell(source_->Text(index.row(), kLevelColumn));
        return level <= kDeepestLevel ? level : 0;
    }
    if (role != Qt::DisplayRole) return {};
    return ToQString(source_->Text(index.row(), index.column()));
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headers_.size()) {
        return {};
    }
    return headers_[section];
}

}  // namespace vendarion
