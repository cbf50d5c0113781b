#include "ui/line_settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "base/settings.h"
#include "dial/modem_line.h"
#include "dial/modem_settings.h"
#include "dial/tapi_dialer.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kTitle = 1797;
constexpr int kPort = 1798;
constexpr int kSpeed = 1799;
constexpr int kInit = 1800;
constexpr int kTest = 1801;
constexpr int kNoAnswer = 1802;
constexpr int kCancelText = 3104;
constexpr int kAnswerLines = 5;

}  // namespace

LineSettingsDialog::LineSettingsDialog(Settings& settings, ModemLine& modem, QWidget* parent)
    : QDialog(parent), settings_(settings), modem_(modem) {
    setWindowTitle(UiString(kTitle));
    const ModemSettings current = ReadModemSettings(settings_, modem_.Port());
    speed_ = new QComboBox(this);
    for (const std::int32_t speed : ModemSpeeds()) {
        speed_->addItem(QString::number(speed), speed);
    }
    const int chosen = speed_->findData(current.speed);
    speed_->setCurrentIndex(chosen >= 0 ? chosen : speed_->findData(ModemSettings{}.speed));
    init_ = new QLineEdit(ToQString(current.init), this);
    init_->setMaxLength(static_cast<int>(kMaxSettingText));
    test_ = new QPushButton(UiString(kTest), this);
    answer_ = new QPlainTextEdit(this);
    answer_->setReadOnly(true);
    answer_->setFixedHeight(answer_->fontMetrics().lineSpacing() * kAnswerLines);
    connect(test_, &QPushButton::clicked, this, &LineSettingsDialog::RunTest);

    auto* form = new QFormLayout;
    form->addRow(UiString(kPort), new QLabel(ToQString(modem_.Port()), this));
    form->addRow(UiString(kSpeed), speed_);
    form->addRow(UiString(kInit), init_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok)->setDefault(true);
    buttons->addButton(UiString(kCancelText), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(test_, 0, Qt::AlignLeft);
    layout->addWidget(answer_);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}

void LineSettingsDialog::RunTest() {
    std::string answer;
    bool answered = false;
    {
        const WaitCursor waiting;
        answered = modem_.Identify(speed_->currentData().toInt(), &answer);
    }
    answer_->setPlainText(answered ? ToQString(answer) : UiString(kNoAnswer));
}

void LineSettingsDialog::accept() {
    (void)WriteModemSettings(settings_, modem_.Port(),
                             {speed_->currentData().toInt(), FromQString(init_->text())});
    QDialog::accept();
}

void ShowLineSettings(Settings& settings, TapiDialer& lines, std::int32_t device, QWidget* owner) {
    LineDevice* line = lines.Device(device);
    if (line == nullptr || line->Modem() == nullptr) return;
    LineSettingsDialog dialog(settings, *line->Modem(), owner);
    dialog.exec();
}

}  // namespace vendarion
