#include "ui/animated_banner.h"

#include <QMouseEvent>
#include <QPainter>
#include <string>

#include "resources/banner_strips.h"
#include "resources/string_table.h"

namespace vendarion {
namespace {

// The timing texts of the five animations.
constexpr int kFirstTiming = 1851;

}  // namespace

AnimatedBanner::AnimatedBanner(bool single, QWidget* parent)
    : QWidget(parent),
      player_(single,
              {.start_timer = [this](int milliseconds) { timer_.start(milliseconds); },
               .stop_timer = [this] { timer_.stop(); },
               .load_strip = [this](int animation) { LoadStrip(animation); },
               .redraw = [this] { update(); },
               .timing = [](int animation) { return LoadString(kFirstTiming + animation); }}) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { player_.OnTimer(isVisible()); });
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    LoadStrip(0);
}

QSize AnimatedBanner::sizeHint() const { return {kBannerFrameWidth, kHeight}; }

void AnimatedBanner::LoadStrip(int animation) {
    const std::string_view png = BannerStrip(animation);
    strip_ = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                              static_cast<int>(png.size()), "PNG");
}

QImage AnimatedBanner::Frame() const {
    const int frame = std::max(0, player_.Frame());
    return strip_.copy(0, frame * kBannerFrameRows, kBannerFrameWidth, kHeight);
}

void AnimatedBanner::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // White until a strip is there.
    if (strip_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    painter.drawImage(
        QPoint(0, 0), strip_,
        QRect(0, std::max(0, player_.Frame()) * kBannerFrameRows, kBannerFrameWidth, kHeight));
}

void AnimatedBanner::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) player_.Click();
    QWidget::mousePressEvent(event);
}

void AnimatedBanner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    player_.Show();
}

void AnimatedBanner::hideEvent(QHideEvent* event) {
    player_.Hide();
    QWidget::hideEvent(event);
}

}  // namespace vendarion
