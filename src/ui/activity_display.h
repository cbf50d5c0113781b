// The activity display: 42 frames of 22 x 22 pixels, drawn when the display is made,
// shown in turn every 50 ms while a search runs. Frame 0 is the resting picture.
#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace vendarion {

class ActivityDisplay final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFrames = 42;
    static constexpr int kFrameSize = 22;
    static constexpr int kFrameMilliseconds = 50;

    explicit ActivityDisplay(QWidget* parent = nullptr);

    // (Re)starts the turning.
    void Start();
    // Stops and shows frame 0.
    void Stop();
    int Frame() const { return frame_; }
    bool Turning() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Advance();

    QPixmap strip_;  // the frames stacked vertically
    QTimer timer_;
    int frame_ = 0;
};

}  // namespace vendarion
