// Draws the cells of the list as the view's own delegate does, and marks the name
// cell of a sub-entry with a thin guide line per level, its text moved right of
// them: a level-1 sub-entry has no indentation of its own and would look like a
// main entry. Only the painting changes; the cell's text stays as it is.
#pragma once

#include <QStyledItemDelegate>

namespace vendarion {

class SubEntryDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace vendarion
