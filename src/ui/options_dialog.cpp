#include "ui/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/messages.h"
#include "base/setting_names.h"
#include "dial/dial_options.h"
#include "resources/string_table.h"
#include "ui/general_options.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTitle = 1790;
constexpr int kDialGroup = 1791;
constexpr int kGeneralGroup = 1792;
constexpr int kTones = 1050;
constexpr int kCarrier = 1057;
constexpr int kOwnAreaCode = 1793;
constexpr int kOutsideLine = 1095;
constexpr int kModem = 1051;
constexpr int kLineSettings = 1052;
constexpr int kConfirm = 1053;
constexpr int kTips = 1060;
constexpr int kAnimations = 1094;
constexpr int kCancelText = 3104;
constexpr int kBadInput = 1321;
constexpr int kNextStart = 1514;
constexpr int kOwnAreaCodeLength = 6;
constexpr int kOutsideLineLength = 4;

}  // namespace

OptionsDialog::OptionsDialog(Settings& settings, Messages& messages, TapiLineList lines,
                             QWidget* parent, LineConfigurator configure)
    : QDialog(parent),
      settings_(settings),
      messages_(messages),
      lines_(std::move(lines)),
      configure_(std::move(configure)) {
    setWindowTitle(UiString(kTitle));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok)->setDefault(true);
    buttons->addButton(UiString(kCancelText), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeDialGroup());
    layout->addWidget(MakeGeneralGroup());
    layout->addWidget(buttons);
    Load();
}

QWidget* OptionsDialog::MakeDialGroup() {
    auto* group = new QGroupBox(UiString(kDialGroup), this);
    tones_ = new QRadioButton(UiString(kTones), group);
    carrier_ = new QCheckBox(UiString(kCarrier), group);
    own_area_code_label_ = new QLabel(UiString(kOwnAreaCode), group);
    own_area_code_ = new QLineEdit(group);
    own_area_code_->setMaxLength(kOwnAreaCodeLength);
    own_area_code_label_->setBuddy(own_area_code_);
    outside_line_label_ = new QLabel(UiString(kOutsideLine), group);
    outside_line_ = new QLineEdit(group);
    outside_line_->setMaxLength(kOutsideLineLength);
    outside_line_label_->setBuddy(outside_line_);
    modem_ = new QRadioButton(UiString(kModem), group);
    line_list_ = new QComboBox(group);
    // A modem may call itself by a name of hundreds of characters; the list keeps the
    // dialog's width and shows such a name cut.
    constexpr int kLineNameColumns = 30;
    line_list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    line_list_->setMinimumContentsLength(kLineNameColumns);
    line_settings_ = new QPushButton(UiString(kLineSettings), group);
    connect(tones_, &QRadioButton::toggled, this, &OptionsDialog::ApplyEnabling);
    connect(modem_, &QRadioButton::toggled, this, &OptionsDialog::ApplyEnabling);
    connect(line_settings_, &QPushButton::clicked, this, &OptionsDialog::ConfigureLine);

    auto* grid = new QGridLayout(group);
    grid->addWidget(tones_, 0, 0, 1, 3);
    grid->addWidget(carrier_, 1, 1, 1, 2);
    grid->addWidget(own_area_code_label_, 2, 1);
    grid->addWidget(own_area_code_, 2, 2);
    grid->addWidget(outside_line_label_, 3, 1);
    grid->addWidget(outside_line_, 3, 2);
    grid->addWidget(modem_, 4, 0, 1, 3);
    grid->addWidget(line_list_, 5, 1);
    grid->addWidget(line_settings_, 5, 2);
    grid->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 3);
    return group;
}

QWidget* OptionsDialog::MakeGeneralGroup() {
    auto* group = new QGroupBox(UiString(kGeneralGroup), this);
    confirm_ = new QCheckBox(UiString(kConfirm), group);
    tips_ = new QCheckBox(UiString(kTips), group);
    animations_ = new QCheckBox(UiString(kAnimations), group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(confirm_);
    layout->addWidget(tips_);
    layout->addWidget(animations_);
    return group;
}

void OptionsDialog::Load() {
    const DialOptions dial = ReadDialOptions(settings_);
    const GeneralOptions general = ReadGeneralOptions(settings_);
    confirm_->setChecked(dial.confirm);
    tips_->setChecked(general.tips_on_startup);
    animations_->setChecked(general.animations);
    bool modem = false;
    if (!lines_.empty()) {
        const std::string remembered = Read(settings_, setting::kTAPIModem);
        int selected = -1;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            line_list_->addItem(ToQString(lines_[i].name), lines_[i].device);
            if (selected < 0 && lines_[i].name == remembered &&
                lines_[i].device == dial.tapi_device) {
                selected = static_cast<int>(i);
            }
        }
        selected = std::max(selected, 0);
        line_list_->setCurrentIndex(selected);
        modem = dial.use_tapi;
    }
    modem_->setChecked(modem);
    tones_->setChecked(!modem);
    carrier_->setChecked(dial.carrier);
    own_area_code_->setText(ToQString(dial.own_area_code));
    outside_line_->setText(ToQString(dial.outside_line));
    ApplyEnabling();
}

void OptionsDialog::ApplyEnabling() {
    const bool modem = modem_->isChecked();
    line_list_->setEnabled(modem);
    line_settings_->setEnabled(modem);
    modem_->setEnabled(line_list_->count() > 0);
    const bool tones = tones_->isChecked();
    for (QWidget* widget : std::initializer_list<QWidget*>{
             carrier_, own_area_code_label_, own_area_code_, outside_line_label_, outside_line_}) {
        widget->setEnabled(tones);
    }
}

void OptionsDialog::ConfigureLine() {
    const int line = line_list_->currentIndex();
    if (line < 0 || !configure_) return;
    configure_(lines_[static_cast<std::size_t>(line)].device, this);
}

void OptionsDialog::accept() {
    DialOptionsForm form;
    form.own_area_code = FromQString(own_area_code_->text());
    form.outside_line = FromQString(outside_line_->text());
    form.confirm = confirm_->isChecked();
    form.use_tapi = modem_->isChecked();
    const int line = line_list_->currentIndex();
    if (line >= 0) {
        form.tapi_line_name = lines_[static_cast<std::size_t>(line)].name;
        form.tapi_device = lines_[static_cast<std::size_t>(line)].device;
    }
    form.carrier = carrier_->isChecked();
    const DialOptionsCheck check = StoreDialOptions(settings_, form);
    if (check != DialOptionsCheck::kStored) {
        messages_.Show({kBadInput, std::string(LoadString(kBadInput)), MessageIcon::kExclamation,
                        MessageButtons::kOk, MessageAnswer::kOk});
        (check == DialOptionsCheck::kBadOwnAreaCode ? own_area_code_ : outside_line_)->setFocus();
        return;
    }
    if (StoreGeneralOptions(settings_, {tips_->isChecked(), animations_->isChecked()})) {
        messages_.Show({kNextStart, std::string(LoadString(kNextStart)), MessageIcon::kInformation,
                        MessageButtons::kOk, MessageAnswer::kOk});
    }
    QDialog::accept();
}

}  // namespace vendarion
