#include "ui/qt_messages.h"

#include <QMessageBox>
#include <QPushButton>

#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kOkText = 3103;
constexpr int kCancelText = 3104;
constexpr int kYesText = 3105;
constexpr int kNoText = 3106;

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kStop:
            return QMessageBox::Critical;
        case MessageIcon::kExclamation:
            return QMessageBox::Warning;
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kQuestion:
            return QMessageBox::Question;
        case MessageIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtMessages::Show(const Message& message) {
    QMessageBox box(IconOf(message.icon), UiString(kProgramNameText), ToQString(message.text),
                    QMessageBox::NoButton, parent_);
    const bool question = message.buttons == MessageButtons::kYesNo;
    const MessageAnswer first_answer = question ? MessageAnswer::kYes : MessageAnswer::kOk;
    const MessageAnswer second_answer = question ? MessageAnswer::kNo : MessageAnswer::kCancel;
    QPushButton* first =
        box.addButton(UiString(question ? kYesText : kOkText), QMessageBox::AcceptRole);
    QPushButton* second = nullptr;
    if (message.buttons != MessageButtons::kOk) {
        second = box.addButton(UiString(question ? kNoText : kCancelText), QMessageBox::RejectRole);
    }
    box.setEscapeButton(second != nullptr ? second : first);
    box.setDefaultButton(second != nullptr && message.default_answer == second_answer ? second
                                                                                      : first);
    box.exec();
    if (second == nullptr) return first_answer;
    return box.clickedButton() == first ? first_answer : second_answer;
}

}  // namespace vendarion
