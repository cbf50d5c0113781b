// The box beside "Suche:" that shows the current name search mode: sunken, filled
// with the window colour and written in the window-text colour while the mode can
// be chosen, in the button colour with grey text while it cannot.
#pragma once

#include <QFrame>
#include <QString>

namespace vendarion {

class NameModeBox final : public QFrame {
    Q_OBJECT

public:
    explicit NameModeBox(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    // Wide enough for the longest caption.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

}  // namespace vendarion
