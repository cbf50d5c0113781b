// The list view of the main window. Letters typed into it do not scan the rows (a
// whole book has millions): they are gathered into a text, as the view's own
// type-ahead would, and handed to the window through TypeAhead, which positions the
// list through the directory's lookup. A cell whose text does not fit its column
// shows the whole text as its tooltip.
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

signals:
    // The text typed into the list so far (letters typed within the desktop's
    // keyboard input interval of each other).
    void TypeAhead(const QString& text);

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QString typed_;
    QElapsedTimer since_last_key_;
};

}  // namespace vendarion
