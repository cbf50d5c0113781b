// The list view over a list of three million rows: what it shows, hit-tests,
// scrolls to and selects follows from the row height alone, keys and clicks move
// and select as in any list, and showing the list adds no heap per row.
#include <malloc.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_classes.h"
#include "ui/list_view.h"

namespace vendarion::test {
namespace {

constexpr int kRows = 3'000'000;

// Rows "r0/c0" ...: the texts come from the numbers, nothing is stored.
class NumberedRows final : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        return QStringLiteral("r%1/c%2").arg(index.row()).arg(index.column());
    }
    void SetRows(int count) {
        beginResetModel();
        rows = count;
        endResetModel();
    }
    void AddRows(int count) {
        beginInsertRows(QModelIndex(), rows, rows + count - 1);
        rows += count;
        endInsertRows();
    }
    int rows = 0;
};

double HeapMib() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

class ListViewTest : public QObject {
    Q_OBJECT

private:
    NumberedRows model_;
    ListView view_;

    int RowHeight() { return view_.visualRect(model_.index(0, 0)).height(); }
    int PageRows() { return view_.viewport()->height() / RowHeight(); }
    QModelIndex Cell(int row, int column) { return model_.index(row, column); }
    void Key(Qt::Key key) {
        QTest::keyClick(&view_, key);
        QApplication::processEvents();
    }

private slots:
    void init() {
        model_.SetRows(0);
        view_.setModel(&model_);
        view_.setUniformRowHeights(true);
        view_.setRootIsDecorated(false);
        view_.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view_.resize(400, 300);
        view_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view_));
        model_.SetRows(kRows);
        view_.setFocus();
        view_.setCurrentIndex(Cell(0, 0));
        view_.scrollToTop();
        QApplication::processEvents();
    }

    void AListOfMillionsOfRowsTakesNoHeapPerRow() {
        model_.SetRows(1000);
        QApplication::processEvents();
        static_cast<void>(view_.viewport()->grab());
        const double heap = HeapMib();
        model_.SetRows(kRows);
        QApplication::processEvents();
        static_cast<void>(view_.viewport()->grab());
        QVERIFY2(HeapMib() - heap < 1.0, qPrintable(QString::number(HeapMib() - heap)));
        QCOMPARE(view_.verticalScrollBar()->maximum(), kRows - PageRows());
    }

    void RowsArePlacedByTheRowHeight() {
        const int height = RowHeight();
        QVERIFY(height > 0);
        QCOMPARE(view_.visualRect(Cell(5, 1)).top(), 5 * height);
        QCOMPARE(view_.visualRect(Cell(5, 1)).left(), view_.columnViewportPosition(1));
        QCOMPARE(view_.indexAt(view_.visualRect(Cell(7, 2)).center()), Cell(7, 2));
        view_.scrollTo(Cell(2'000'000, 0), QAbstractItemView::PositionAtTop);
        QCOMPARE(view_.verticalScrollBar()->value(), 2'000'000);
        QCOMPARE(view_.visualRect(Cell(2'000'003, 0)).top(), 3 * height);
        QCOMPARE(view_.indexAt(QPoint(5, 3 * height + 1)), Cell(2'000'003, 0));
        view_.scrollToBottom();
        QCOMPARE(view_.indexAt(view_.visualRect(Cell(kRows - 1, 0)).center()), Cell(kRows - 1, 0));
        QVERIFY(!view_.indexAt(QPoint(5, view_.viewport()->height() - 1)).isValid() ||
                view_.indexAt(QPoint(5, view_.viewport()->height() - 1)).row() == kRows - 1);
    }

    void ScrollToKeepsARowInSight() {
        view_.scrollTo(Cell(1000, 0));
        QCOMPARE(view_.verticalScrollBar()->value(), 1000 - PageRows() + 1);
        view_.scrollTo(Cell(10, 0));
        QCOMPARE(view_.verticalScrollBar()->value(), 10);
        view_.scrollTo(Cell(12, 0));
        QCOMPARE(view_.verticalScrollBar()->value(), 10);
        view_.scrollTo(Cell(500, 0), QAbstractItemView::PositionAtCenter);
        QCOMPARE(view_.verticalScrollBar()->value(), 500 - PageRows() / 2);
    }

    void KeysMoveTheCurrentRow() {
        Key(Qt::Key_Down);
        QCOMPARE(view_.currentIndex().row(), 1);
        Key(Qt::Key_PageDown);
        QCOMPARE(view_.currentIndex().row(), 1 + PageRows());
        Key(Qt::Key_End);
        QCOMPARE(view_.currentIndex().row(), kRows - 1);
        QCOMPARE(view_.verticalScrollBar()->value(), kRows - PageRows());
        Key(Qt::Key_Down);
        QCOMPARE(view_.currentIndex().row(), kRows - 1);
        Key(Qt::Key_Up);
        QCOMPARE(view_.currentIndex().row(), kRows - 2);
        Key(Qt::Key_Home);
        QCOMPARE(view_.currentIndex().row(), 0);
        QCOMPARE(view_.verticalScrollBar()->value(), 0);
        Key(Qt::Key_PageUp);
        QCOMPARE(view_.currentIndex().row(), 0);
    }

    void ClicksSelectRowsAndDoubleClicksAreReported() {
        QSignalSpy double_clicks(&view_, &QAbstractItemView::doubleClicked);
        view_.scrollTo(Cell(1'500'000, 0), QAbstractItemView::PositionAtTop);
        const QPoint third = view_.visualRect(Cell(1'500'002, 1)).center();
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(view_.currentIndex().row(), 1'500'002);
        QVERIFY(view_.selectionModel()->isRowSelected(1'500'002, QModelIndex()));
        const QPoint fifth = view_.visualRect(Cell(1'500'004, 0)).center();
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, Qt::ShiftModifier, fifth);
        QCOMPARE(view_.selectionModel()->selectedRows().size(), 3);
        QTest::mouseDClick(view_.viewport(), Qt::LeftButton, {}, fifth);
        QCOMPARE(double_clicks.size(), 1);
        QCOMPARE(double_clicks.at(0).at(0).value<QModelIndex>().row(), 1'500'004);
    }

    void SelectAllTakesEveryRowAsOneRange() {
        view_.selectAll();
        const QItemSelection selection = view_.selectionModel()->selection();
        QCOMPARE(selection.size(), 1);
        QCOMPARE(selection.at(0).top(), 0);
        QCOMPARE(selection.at(0).bottom(), kRows - 1);
        QVERIFY(view_.selectionModel()->isRowSelected(kRows - 1, QModelIndex()));
    }

    void RowsAddedAtTheEndExtendTheScrollRange() {
        model_.SetRows(0);
        QApplication::processEvents();
        QCOMPARE(view_.verticalScrollBar()->maximum(), 0);
        model_.AddRows(5);
        QApplication::processEvents();
        QVERIFY(RowHeight() > 0);
        model_.AddRows(10'000);
        QApplication::processEvents();
        QCOMPARE(view_.verticalScrollBar()->maximum(), 10'005 - PageRows());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeListViewTest() { return std::make_unique<ListViewTest>(); }

}  // namespace vendarion::test

#include "list_view_test.moc"
