// A message above the list that never takes the focus: what a search reports while
// the user is typing, where a message box would take the following keystrokes. It
// stays until it is closed, replaced or cleared.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace vendarion {

class NoticeBar final : public QFrame {
    Q_OBJECT

public:
    explicit NoticeBar(QWidget* parent = nullptr);

    void ShowNotice(const QString& text);
    void Clear();
    QString Text() const;

private:
    QLabel* icon_;
    QLabel* text_;
    QToolButton* close_;
};

}  // namespace vendarion
