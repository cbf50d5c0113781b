#include "ui/activity_display.h"

#include <QPainter>
#include <QtMath>

namespace vendarion {
namespace {

constexpr int kDots = 12;

// A ring of dots; in frame f a bright head runs round it, followed by a fading tail.
QPixmap DrawStrip(const QColor& colour) {
    const int size = ActivityDisplay::kFrameSize;
    QPixmap strip(size, size * ActivityDisplay::kFrames);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int f = 0; f < ActivityDisplay::kFrames; ++f) {
        const double head = 2 * M_PI * f / ActivityDisplay::kFrames;
        const QPointF centre(size / 2.0, size * f + size / 2.0);
        for (int d = 0; d < kDots; ++d) {
            const double angle = 2 * M_PI * d / kDots;
            double behind = std::fmod(head - angle + 4 * M_PI, 2 * M_PI) / (2 * M_PI);
            if (f == 0) behind = 1.0;
            QColor dot = colour;
            dot.setAlphaF(0.2 + 0.8 * (1.0 - behind));
            painter.setBrush(dot);
            const QPointF at = centre + QPointF(std::sin(angle), -std::cos(angle)) * 8.0;
            painter.drawEllipse(at, 1.8, 1.8);
        }
    }
    return strip;
}

}  // namespace

ActivityDisplay::ActivityDisplay(QWidget* parent) : QWidget(parent) {
    setFixedSize(kFrameSize + 4, kFrameSize + 4);
    strip_ = DrawStrip(palette().color(QPalette::Highlight));
    timer_.setSingleShot(true);
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ActivityDisplay::Advance);
}

void ActivityDisplay::Start() { timer_.start(); }

void ActivityDisplay::Stop() {
    timer_.stop();
    frame_ = 0;
    update();
}

void ActivityDisplay::Advance() {
    frame_ = (frame_ + 1) % kFrames;
    update();
    timer_.start();
}

void ActivityDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint at((width() - kFrameSize) / 2, (height() - kFrameSize) / 2);
    painter.drawPixmap(at, strip_, QRect(0, kFrameSize * frame_, kFrameSize, kFrameSize));
}

}  // namespace vendarion
