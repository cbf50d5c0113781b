#include "ui/detail_card.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kBlockGap = 6;
constexpr int kTitlePoints = 12;
constexpr int kTextPoints = 11;

// An address line of this many letters ("Reuschenberger Str.  32") fits one line.
constexpr int kAddressLetters = 24;

int TextWidth() {
    const double letters = AverageLetterWidth(ProgramFont(kTextPoints)) * kAddressLetters;
    return std::max(DetailCard::kWidth, static_cast<int>(std::ceil(letters)));
}

}  // namespace

int DetailCard::CardWidth() { return TextWidth() + 2 * kPadding; }

DetailCard::DetailCard(QWidget* parent) : QWidget(parent), area_(TextWidth(), kHeight) {
    setFixedSize(area_.width() + 2 * kPadding, area_.height() + 2 * kPadding);
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
    const int bottom = kPadding + area_.height();
    int top = kPadding;
    for (qsizetype i = 0; i < blocks_.size() && top < bottom; ++i) {
        painter.setFont(ProgramFont(i == 0 ? kTitlePoints : kTextPoints, i == 0));
        const QRect area(kPadding, top, area_.width(), bottom - top);
        QRect used;
        painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, blocks_[i], &used);
        if (!blocks_[i].isEmpty()) top = used.bottom() + 1 + kBlockGap;
    }
}

}  // namespace vendarion
