#include "ui/detail_card.h"

#include <QPainter>

#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kBlockGap = 6;

}  // namespace

DetailCard::DetailCard(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth + 2 * kPadding, kHeight + 2 * kPadding);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void DetailCard::SetBlocks(const std::vector<std::string>& blocks) {
    QStringList texts;
    for (const std::string& block : blocks) texts.append(ToQString(block));
    if (texts == blocks_) return;
    blocks_ = texts;
    update();
}

void DetailCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Text));
    const int bottom = kPadding + kHeight;
    int top = kPadding;
    for (qsizetype i = 0; i < blocks_.size() && top < bottom; ++i) {
        QFont font(QStringLiteral("Arial"), i == 0 ? 12 : 11);
        font.setBold(i == 0);
        painter.setFont(font);
        const QRect area(kPadding, top, kWidth, bottom - top);
        QRect used;
        painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, blocks_[i], &used);
        if (!blocks_[i].isEmpty()) top = used.bottom() + 1 + kBlockGap;
    }
}

}  // namespace vendarion
