#include "ui/assistant_simple_pages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/cp1252_validator.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kWhereQuestion = 3302;
constexpr int kDataText = 1068;
constexpr int kInternetText = 1079;
constexpr int kNewSearchText = 1085;
constexpr int kNewSearchExplanation = 3303;
constexpr int kTownQuestion = 3304;
constexpr int kYesText = 3105;
constexpr int kNoText = 3106;
constexpr int kNoTownExplanation = 3305;
constexpr int kInternetPlaceText = 3307;
constexpr int kTownLabel = 1006;
constexpr int kPostalCodeLabel = 1009;
constexpr int kAreaCodeLabel = 1015;
constexpr int kReadyText = 3315;
constexpr int kStartText = 1083;
constexpr int kRememberText = 3316;
// The lengths the Internet query takes for town, postal code and area code.
constexpr int kInternetLengths[kTownChoiceCount] = {50, 10, 15};
// The room between the groups of a page.
constexpr int kGroupSpacing = 16;

QPushButton* PageButton(int id, QWidget* parent) {
    auto* button = new QPushButton(UiString(id), parent);
    // Enter on a page goes on; it never presses the focused button.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

WherePage::WherePage(QWidget* parent) : AssistantPageWidget(parent) {
    data_ = new QRadioButton(UiString(kDataText), this);
    internet_ = new QRadioButton(UiString(kInternetText), this);
    new_search_ = PageButton(kNewSearchText, this);
    new_search_text_ = AddText(kNewSearchExplanation);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kWhereQuestion));
    layout->addSpacing(kGroupSpacing);
    layout->addWidget(data_);
    layout->addWidget(internet_);
    layout->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(new_search_, 0, Qt::AlignTop);
    row->addWidget(new_search_text_, 1);
    layout->addLayout(row);
    connect(internet_, &QRadioButton::toggled, this, &WherePage::InternetChosen);
    connect(new_search_, &QPushButton::clicked, this, &WherePage::NewSearchRequested);
}

void WherePage::Load(const AssistantCriteria& criteria) {
    (criteria.internet ? internet_ : data_)->setChecked(true);
    new_search_->setEnabled(criteria.present);
    new_search_text_->setEnabled(criteria.present);
}

void WherePage::Store(AssistantCriteria& criteria) const {
    criteria.internet = internet_->isChecked();
}

QWidget* WherePage::FirstControl() const { return internet_->isChecked() ? internet_ : data_; }

void WherePage::DisableNewSearch() {
    if (new_search_->hasFocus()) focusNextChild();
    new_search_->setEnabled(false);
    new_search_text_->setEnabled(false);
}

TownKnownPage::TownKnownPage(QWidget* parent) : AssistantPageWidget(parent) {
    yes_ = new QRadioButton(UiString(kYesText), this);
    no_ = new QRadioButton(UiString(kNoText), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kTownQuestion));
    layout->addSpacing(kGroupSpacing);
    layout->addWidget(yes_);
    layout->addWidget(no_);
    layout->addSpacing(kGroupSpacing);
    layout->addWidget(AddText(kNoTownExplanation));
    layout->addStretch(1);
    connect(yes_, &QRadioButton::toggled, this, &TownKnownPage::TownKnownChosen);
}

void TownKnownPage::Load(const AssistantCriteria& criteria) {
    // Remembered criteria without a town were a search over the country.
    (!criteria.present || criteria.town_book >= 0 ? yes_ : no_)->setChecked(true);
}

QWidget* TownKnownPage::FirstControl() const { return yes_->isChecked() ? yes_ : no_; }

InternetPlacePage::InternetPlacePage(QWidget* parent) : AssistantPageWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kInternetPlaceText));
    layout->addSpacing(kGroupSpacing);
    auto* grid = new QGridLayout;
    const int labels[kTownChoiceCount] = {kTownLabel, kPostalCodeLabel, kAreaCodeLabel};
    for (int i = 0; i < kTownChoiceCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(kInternetLengths[i]);
        edit->setValidator(new Cp1252Validator(edit));
        auto* label = new QLabel(UiString(labels[i]), this);
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        edits_[i] = edit;
    }
    layout->addLayout(grid);
    layout->addStretch(1);
}

void InternetPlacePage::Load(const AssistantCriteria& criteria) {
    for (int i = 0; i < kTownChoiceCount; ++i) {
        edits_[i]->setText(ToQString(criteria.internet_texts[i]));
    }
}

void InternetPlacePage::Store(AssistantCriteria& criteria) const {
    for (int i = 0; i < kTownChoiceCount; ++i) {
        criteria.internet_texts[i] = FromQString(edits_[i]->text());
    }
}

QWidget* InternetPlacePage::FirstControl() const { return edits_[0]; }

ReadyPage::ReadyPage(QWidget* parent) : AssistantPageWidget(parent) {
    start_ = PageButton(kStartText, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kReadyText));
    layout->addSpacing(kGroupSpacing);
    layout->addWidget(start_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    layout->addWidget(AddText(kRememberText));
    connect(start_, &QPushButton::clicked, this, &ReadyPage::StartRequested);
}

QWidget* ReadyPage::FirstControl() const { return start_; }

}  // namespace vendarion
