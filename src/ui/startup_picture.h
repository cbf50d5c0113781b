// The start-up picture: a frameless dialog showing the program's picture, which
// closes itself with OK after three seconds.
#pragma once

#include <QDialog>
#include <QPixmap>

namespace vendarion {

class StartupPicture final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 3000;

    explicit StartupPicture(int milliseconds = kShowMilliseconds, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// The program's picture, drawn in code.
QPixmap DrawStartupPicture();

}  // namespace vendarion
