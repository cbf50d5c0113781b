// The animated banner below the tree: 140 x 69 pixels showing one frame of the
// current animation's strip. A click plays the next animation (or cuts the rest on
// the last frame short); BannerPlayer decides what comes when. While hidden the
// banner's timer does not run.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "ui/banner_player.h"

namespace vendarion {

class AnimatedBanner final : public QWidget {
    Q_OBJECT

public:
    inline static constexpr int kHeight = 69;

    // single: animations off (one animation a click).
    explicit AnimatedBanner(bool single, QWidget* parent = nullptr);

    BannerPlayer& Player() { return player_; }
    QSize sizeHint() const override;
    // The frame shown now, as drawn.
    QImage Frame() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void LoadStrip(int animation);

    QTimer timer_;
    QImage strip_;
    BannerPlayer player_;
};

}  // namespace vendarion
