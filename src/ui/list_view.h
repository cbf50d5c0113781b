// The list view of the main window. Letters typed into it do not scan the rows (a
// whole book has millions): they are gathered into a text, as the view's own
// type-ahead would, and handed to the window through TypeAhead, which positions the
// list through the directory's lookup. A cell whose text does not fit its column
// shows the whole text as its tooltip.
//
// The list is flat and its rows share the first row's height, so the view places
// rows by arithmetic alone: the tree view's own layout keeps an item per row (a
// model index and a height, about 40 bytes, for each of the two million rows of a
// large book, and a walk over all of them whenever the list changes), which this
// view never builds. It paints, hit-tests, scrolls, moves the cursor and selects
// from the row height, so a book of any size costs the same.
#pragma once

#include <QElapsedTimer>
#include <QTreeView>

namespace vendarion {

class ListView final : public QTreeView {
    Q_OBJECT

public:
    using QTreeView::QTreeView;

    void keyboardSearch(const QString& search) override;
    // The whole text of a cell that its column cuts short; empty when it fits.
    QString CutCellText(const QModelIndex& index) const;

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;
    void reset() override;
    void selectAll() override;

signals:
    // The text typed into the list so far (letters typed within the desktop's
    // keyboard input interval of each other).
    void TypeAhead(const QString& text);

protected:
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int verticalOffset() const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    int RowCount() const;
    // The height of every row, from the first row's cells when the list was reset
    // (or got its first rows); at least 1.
    int RowHeight() const;
    // The first row shown: the vertical scroll bar counts rows.
    int TopRow() const;
    // The rows that fit the viewport whole; at least 1.
    int PageRows() const;
    // The row at a viewport y; -1 outside the rows.
    int RowAt(int y) const;
    void PaintRow(QPainter* painter, const QStyleOptionViewItem& base, int row,
                  const QRect& area) const;

    QString typed_;
    QElapsedTimer since_last_key_;
    mutable int row_height_ = 0;  // 0: not yet taken
};

}  // namespace vendarion
