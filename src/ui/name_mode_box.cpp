#include "ui/name_mode_box.h"

#include <QPainter>
#include <algorithm>

#include "query/name_mode.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kFrameWidth = 2;
constexpr int kTextMargin = 4;
constexpr int kModeCount = 6;

}  // namespace

NameModeBox::NameModeBox(QWidget* parent) : QFrame(parent) {
    // Two 3-D frames, sunken.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void NameModeBox::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QSize NameModeBox::sizeHint() const {
    int widest = 0;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        widest = std::max(widest,
                          fontMetrics().horizontalAdvance(UiString(kNameModeCaptionBase + mode)));
    }
    const int frame = 2 * (kFrameWidth + kTextMargin);
    return {widest + frame, fontMetrics().height() + 2 * kFrameWidth + 2};
}

void NameModeBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    const bool enabled = isEnabled();
    painter.fillRect(inside, palette().color(enabled ? QPalette::Base : QPalette::Button));
    painter.setPen(
        palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(inside.adjusted(kTextMargin, 0, -kTextMargin, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

}  // namespace vendarion
