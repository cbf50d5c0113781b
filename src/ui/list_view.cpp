#include "ui/list_view.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

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

}  // namespace vendarion
