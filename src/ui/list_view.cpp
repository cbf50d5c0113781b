#include "ui/list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cstdint>

namespace vendarion {
namespace {

// Room that the view's style takes beside a cell's text.
constexpr int kCellMargin = 8;

}  // namespace

void ListView::keyboardSearch(const QString& search) {
    if (search.isEmpty()) return;
    if (!since_last_key_.isValid() ||
        since_last_key_.elapsed() > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    since_last_key_.start();
    typed_ += search;
    emit TypeAhead(typed_);
}

QString ListView::CutCellText(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    const QString text = index.data().toString().trimmed();
    const int room = visualRect(index).width() - kCellMargin;
    return fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

bool ListView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTreeView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = CutCellText(index);
    if (!text.isEmpty()) {
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    } else {
        QToolTip::hideText();
    }
    return true;
}

int ListView::RowCount() const { return model() != nullptr ? model()->rowCount(rootIndex()) : 0; }

int ListView::RowHeight() const {
    if (row_height_ == 0 && RowCount() > 0) {
        row_height_ = indexRowSizeHint(model()->index(0, 0, rootIndex()));
    }
    return row_height_ > 0 ? row_height_ : std::max(1, fontMetrics().height());
}

int ListView::TopRow() const { return verticalScrollBar()->value(); }

int ListView::PageRows() const { return std::max(1, viewport()->height() / RowHeight()); }

int ListView::RowAt(int y) const {
    if (y < 0) return -1;
    const std::int64_t row = static_cast<std::int64_t>(TopRow()) + y / RowHeight();
    return row < RowCount() ? static_cast<int>(row) : -1;
}

QRect ListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex() ||
        isColumnHidden(index.column())) {
        return {};
    }
    // Two million rows of a few dozen pixels stay far inside the range of int.
    const int y = (index.row() - TopRow()) * RowHeight();
    return {columnViewportPosition(index.column()), y, columnWidth(index.column()), RowHeight()};
}

QModelIndex ListView::indexAt(const QPoint& point) const {
    const int row = RowAt(point.y());
    const int column = header()->logicalIndexAt(point.x());
    if (row < 0 || column < 0) return {};
    return model()->index(row, column, rootIndex());
}

void ListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != model()) return;
    const int row = index.row();
    const int rows = PageRows();
    const int top = TopRow();
    int new_top = top;
    switch (hint) {
        case PositionAtTop:
            new_top = row;
            break;
        case PositionAtBottom:
            new_top = row - rows + 1;
            break;
        case PositionAtCenter:
            new_top = row - rows / 2;
            break;
        case EnsureVisible:
            if (row < top) new_top = row;
            if (row >= top + rows) new_top = row - rows + 1;
            break;
    }
    verticalScrollBar()->setValue(new_top);
    const int width = viewport()->width();
    const int offset = header()->offset();
    const int left = header()->sectionPosition(index.column());
    const int cell = header()->sectionSize(index.column());
    if (hint == PositionAtCenter) {
        horizontalScrollBar()->setValue(left - (width - cell) / 2);
    } else if (left < offset || cell > width) {
        horizontalScrollBar()->setValue(left);
    } else if (left - offset + cell > width) {
        horizontalScrollBar()->setValue(left - width + cell);
    }
}

// The tree view lays out an item per row here; this view needs none. Geometry
// updates come here too (the tree view relays out whenever it has no items), so
// nothing here reads the model's cells: the row height is taken once per reset.
void ListView::doItemsLayout() {
    QAbstractItemView::doItemsLayout();
    header()->doItemsLayout();
}

void ListView::reset() {
    row_height_ = 0;
    QTreeView::reset();
}

void ListView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        row_height_ = 0;
    }
    QTreeView::changeEvent(event);
}

void ListView::selectAll() {
    if (selectionModel() == nullptr || selectionMode() == SingleSelection ||
        selectionMode() == NoSelection || RowCount() == 0 ||
        model()->columnCount(rootIndex()) == 0) {
        return;
    }
    const QItemSelection all(
        model()->index(0, 0, rootIndex()),
        model()->index(RowCount() - 1, model()->columnCount(rootIndex()) - 1, rootIndex()));
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int count = RowCount();
    if (count == 0 || header()->count() == 0) return;
    QStyleOptionViewItem base;
    initViewItemOption(&base);
    const QRect area = event->rect();
    const int first = RowAt(std::max(0, area.top()));
    if (first < 0) return;
    const int last = static_cast<int>(std::min<std::int64_t>(
        count - 1, static_cast<std::int64_t>(TopRow()) + area.bottom() / RowHeight()));
    for (int row = first; row <= last; ++row) PaintRow(&painter, base, row, area);
}

void ListView::PaintRow(QPainter* painter, const QStyleOptionViewItem& base, int row,
                        const QRect& area) const {
    const int y = (row - TopRow()) * RowHeight();
    const QModelIndex current = currentIndex();
    const bool focused = hasFocus() && current.isValid() && current.row() == row;
    const bool rows_selected = selectionBehavior() == SelectRows;
    bool row_selected = false;
    const QHeaderView* columns = header();
    int shown = 0;
    for (int visual = 0; visual < columns->count(); ++visual) {
        shown += columns->isSectionHidden(columns->logicalIndex(visual)) ? 0 : 1;
    }
    int position = 0;
    for (int visual = 0; visual < columns->count(); ++visual) {
        const int column = columns->logicalIndex(visual);
        if (columns->isSectionHidden(column)) continue;
        const int index_in_row = position++;
        const QRect cell(columnViewportPosition(column), y, columnWidth(column), RowHeight());
        if (cell.right() < area.left() || cell.left() > area.right()) continue;
        const QModelIndex index = model()->index(row, column, rootIndex());
        QStyleOptionViewItem option = base;
        option.rect = cell;
        option.showDecorationSelected = rows_selected || base.showDecorationSelected;
        option.viewItemPosition = shown == 1                  ? QStyleOptionViewItem::OnlyOne
                                  : index_in_row == 0         ? QStyleOptionViewItem::Beginning
                                  : index_in_row == shown - 1 ? QStyleOptionViewItem::End
                                                              : QStyleOptionViewItem::Middle;
        if (selectionModel() != nullptr && selectionModel()->isSelected(index)) {
            option.state |= QStyle::State_Selected;
            row_selected = true;
        }
        if (focused && !allColumnsShowFocus() && index == current) {
            option.state |= QStyle::State_HasFocus;
        }
        if ((model()->flags(index) & Qt::ItemIsEnabled) == 0) {
            option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(QPalette::Disabled);
        } else {
            option.palette.setCurrentColorGroup(
                (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive);
        }
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, painter, this);
        itemDelegateForIndex(index)->paint(painter, option, index);
    }
    if (focused && allColumnsShowFocus()) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(base);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.rect = QRect(-horizontalOffset(), y, columns->length(), RowHeight());
        frame.backgroundColor =
            palette().color(row_selected ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, this);
    }
}

// The tree view's double click looks for the row among the items of its own layout;
// there are none, and it would drop the click.
void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QAbstractItemView::mouseDoubleClickEvent(event);
}

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    static_cast<void>(modifiers);
    const int count = RowCount();
    if (count == 0 || header()->count() == 0) return {};
    QModelIndex current = currentIndex();
    if (!current.isValid()) {
        int visual = 0;
        while (visual < header()->count() &&
               header()->isSectionHidden(header()->logicalIndex(visual)))
            ++visual;
        if (visual == header()->count()) return {};
        return model()->index(0, header()->logicalIndex(visual), rootIndex());
    }
    if (isRightToLeft() && (action == MoveLeft || action == MoveRight)) {
        action = action == MoveLeft ? MoveRight : MoveLeft;
    }
    const int row = current.row();
    int target = row;
    switch (action) {
        case MoveNext:
        case MoveDown:
            target = row + 1;
            break;
        case MovePrevious:
        case MoveUp:
            target = row - 1;
            break;
        case MovePageUp:
            target = row - PageRows();
            break;
        case MovePageDown:
            target = row + PageRows();
            break;
        case MoveHome:
            target = 0;
            break;
        case MoveEnd:
            target = count - 1;
            break;
        case MoveLeft:
        case MoveRight: {
            if (selectionBehavior() != SelectRows) {
                int visual = header()->visualIndex(current.column());
                const int step = action == MoveLeft ? -1 : 1;
                for (visual += step; visual >= 0 && visual < header()->count(); visual += step) {
                    const int column = header()->logicalIndex(visual);
                    if (!isColumnHidden(column)) return current.sibling(row, column);
                }
            }
            QScrollBar* bar = horizontalScrollBar();
            bar->setValue(bar->value() + (action == MoveLeft ? -1 : 1) * bar->singleStep());
            viewport()->update();
            return current;
        }
    }
    return current.sibling(std::clamp(target, 0, count - 1), current.column());
}

int ListView::verticalOffset() const { return TopRow() * RowHeight(); }

void ListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    if (selectionModel() == nullptr || rect.isNull()) return;
    const int count = RowCount();
    const int columns = model()->columnCount(rootIndex());
    if (count == 0 || columns == 0) return;
    const QRect area = rect.normalized();
    const int top = RowAt(std::max(0, area.top()));
    if (area.bottom() < 0 || top < 0) {
        if (command & QItemSelectionModel::Clear) selectionModel()->clear();
        return;
    }
    const int bottom_row = RowAt(area.bottom());
    const int bottom = bottom_row >= 0 ? bottom_row : count - 1;
    int left = header()->logicalIndexAt(area.left());
    int right = header()->logicalIndexAt(area.right());
    if (left < 0) left = header()->logicalIndex(0);
    if (right < 0) right = header()->logicalIndex(header()->count() - 1);
    if (header()->visualIndex(left) > header()->visualIndex(right)) std::swap(left, right);
    const QItemSelection selection(model()->index(top, left, rootIndex()),
                                   model()->index(bottom, right, rootIndex()));
    selectionModel()->select(selection, command);
}

QRegion ListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int top = TopRow();
    const int last = top + PageRows();
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent() != rootIndex()) continue;
        const int first_row = std::max(range.top(), top);
        const int last_row = std::min(range.bottom(), last);
        if (first_row > last_row) continue;
        int left = columnViewportPosition(range.left());
        int right = columnViewportPosition(range.right()) + columnWidth(range.right());
        if (left > right) std::swap(left, right);
        region += QRect(left, (first_row - top) * RowHeight(), right - left,
                        (last_row - first_row + 1) * RowHeight());
    }
    return region;
}

void ListView::scrollContentsBy(int dx, int dy) {
    static_cast<void>(dy);
    // The tree view moves the header along with the horizontal scroll bar.
    if (dx != 0) QTreeView::scrollContentsBy(dx, 0);
    viewport()->update();
}

void ListView::updateGeometries() {
    QTreeView::updateGeometries();
    const int rows = PageRows();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setSingleStep(1);
    vertical->setPageStep(rows);
    vertical->setRange(0, std::max(0, RowCount() - rows));
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setPageStep(width);
    horizontal->setRange(0, std::max(0, header()->length() - width));
}

void ListView::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

}  // namespace vendarion
