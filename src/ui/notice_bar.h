// A message above the list that never takes the focus: what a search reports while
// the user is typing (a message box would swallow the following keystrokes), and
// short hints about refused input. It stays until it is closed, replaced or
// cleared, or, when shown with a duration, until that time has passed.
#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;
class QToolButton;

namespace vendarion {

class NoticeBar final : public QFrame {
    Q_OBJECT

public:
    explicit NoticeBar(QWidget* parent = nullptr);

    // Shows the text; with milliseconds > 0 it hides itself after that time.
    void ShowNotice(const QString& text, int milliseconds = 0);
    void Clear();
    QString Text() const;

private:
    QLabel* icon_;
    QLabel* text_;
    QToolButton* close_;
    QTimer expiry_;
};

}  // namespace vendarion
