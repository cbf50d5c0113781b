#include "ui/sub_entry_delegate.h"

#include <QApplication>
#include <QPainter>

#include "ui/list_model.h"

namespace vendarion {
namespace {

constexpr int kFirstGuide = 2;
constexpr int kGuideStep = 4;

}  // namespace

void SubEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const int level = index.column() == 0 ? index.data(ListModel::kLevelRole).toInt() : 0;
    if (level <= 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The whole cell's background first, then the text moved right of the guides.
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QStyle* style = cell.widget != nullptr ? cell.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
    QStyleOptionViewItem text = option;
    text.rect.setLeft(option.rect.left() + kFirstGuide + level * kGuideStep);
    QStyledItemDelegate::paint(painter, text, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Mid));
    for (int i = 0; i < level; ++i) {
        const int x = option.rect.left() + kFirstGuide + i * kGuideStep;
        painter->drawLine(x, option.rect.top() + 1, x, option.rect.bottom() - 1);
    }
    painter->restore();
}

}  // namespace vendarion
