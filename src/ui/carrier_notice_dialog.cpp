#include "ui/carrier_notice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramName = 3101;
constexpr int kNoticeText = 1710;
constexpr int kDoNotShowText = 1076;
constexpr int kCancelText = 3104;
constexpr int kCancelled = 2;
constexpr int kConfirmedOnce = 1;
constexpr int kConfirmedForGood = 7;

}  // namespace

CarrierNoticeDialog::CarrierNoticeDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiString(kProgramName));
    auto* text = new QLabel(UiString(kNoticeText), this);
    text->setWordWrap(true);
    do_not_show_ = new QCheckBox(UiString(kDoNotShowText), this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(UiString(kCancelText), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(do_not_show_);
    layout->addWidget(buttons);
    // Wide enough for the notice to run over three lines.
    setMinimumWidth(fontMetrics().averageCharWidth() * 62);
}

int CarrierNoticeDialog::ResultCode() const {
    if (result() != QDialog::Accepted) return kCancelled;
    return do_not_show_->isChecked() ? kConfirmedForGood : kConfirmedOnce;
}

}  // namespace vendarion
