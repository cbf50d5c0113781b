#include "ui/startup_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kSloganText = 3107;
constexpr int kPictureWidth = 480;
constexpr int kPictureHeight = 280;

}  // namespace

QPixmap DrawStartupPicture() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    sky.setColorAt(1, QColor(0x0b, 0x25, 0x45));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = -kPictureHeight; x < kPictureWidth; x += 18) {
        painter.drawLine(x, kPictureHeight, x + kPictureHeight, 0);
    }
    painter.setPen(Qt::white);
    painter.setFont(ProgramFont(34, true));
    painter.drawText(QRect(32, 80, kPictureWidth - 64, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     UiString(kProgramNameText));
    painter.setFont(ProgramFont(14));
    painter.drawText(QRect(34, 140, kPictureWidth - 64, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     UiString(kSloganText));
    painter.fillRect(QRect(34, 180, 120, 4), QColor(0xf2, 0xb7, 0x05));
    return picture;
}

StartupPicture::StartupPicture(int milliseconds, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(DrawStartupPicture()) {
    setFixedSize(picture_.size());
    // The picture closes itself when its time is over. The timer repeats: a close
    // that came while the dialog was still being shown, before its own loop ran,
    // would leave that loop waiting; the next one ends it.
    auto* closer = new QTimer(this);
    closer->setInterval(milliseconds);
    connect(closer, &QTimer::timeout, this, &QDialog::accept);
    closer->start();
}

void StartupPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace vendarion
