#include "app/drive_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kDriveLabel = 3102;
constexpr int kOkText = 3103;
constexpr int kCancelText = 3104;

}  // namespace

DriveDialog::DriveDialog(const DriveChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice), drives_(new QComboBox(this)) {
    setWindowTitle(UiString(kProgramNameText));
    auto* prompt = new QLabel(ToQString(choice.Prompt()), this);
    prompt->setWordWrap(true);
    auto* label = new QLabel(UiString(kDriveLabel), this);
    label->setBuddy(drives_);
    for (const std::string& item : choice.Items()) drives_->addItem(ToQString(" " + item));
    drives_->setCurrentIndex(choice.Preselected());
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(UiString(kOkText), QDialogButtonBox::AcceptRole);
    buttons->addButton(UiString(kCancelText), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &DriveDialog::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(label);
    layout->addWidget(drives_);
    layout->addWidget(buttons);
    QApplication::beep();
}

void DriveDialog::OnOk() {
    if (drives_->currentIndex() < 0) return;
    result_ = choice_.Accept(drives_->currentIndex());
    if (result_) {
        accept();
    } else {
        QApplication::beep();
    }
}

std::optional<std::string> QtDriveChooser::Choose(const DriveChoice& choice) {
    DriveDialog dialog(choice);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace vendarion
