#include "ui/assistant_name_pages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/ascii_text.h"
#include "base/fold_text.h"
#include "store/data_set.h"
#include "ui/assistant_flow.h"
#include "ui/cp1252_validator.h"
#include "ui/field_edit.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kNameQuestion = 3308;
constexpr int kNameLabel = 1008;
constexpr int kMatchingTexts[3] = {1077, 1063, 1078};
constexpr int kMatchingExplanations[3] = {3309, 3310, 3311};
constexpr int kStartHint = 1608;
constexpr int kExactHint = 1609;
constexpr int kMoreQuestion = 3312;
constexpr int kFirstNameLabel = 3313;
constexpr int kStreetLabel = 1010;
constexpr int kStreetHint = 3314;
constexpr int kNameLength = 50;
constexpr int kFirstNameLength = 30;
constexpr int kStreetLength = 50;
constexpr int kIndent = 20;
constexpr int kGroupSpacing = 12;

QLineEdit* TextEdit(int length, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(length);
    edit->setValidator(new Cp1252Validator(edit));
    return edit;
}

}  // namespace

NamePage::NamePage(QWidget* parent) : AssistantPageWidget(parent) {
    name_ = TextEdit(kNameLength, this);
    auto* label = new QLabel(UiString(kNameLabel), this);
    label->setBuddy(name_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kNameQuestion));
    auto* name_row = new QHBoxLayout;
    name_row->addWidget(label);
    name_row->addWidget(name_, 1);
    layout->addLayout(name_row);
    layout->addSpacing(kGroupSpacing);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, kIndent);
    for (int i = 0; i < 3; ++i) {
        radios_[i] = new QRadioButton(UiString(kMatchingTexts[i]), this);
        explanations_[i] = AddText(kMatchingExplanations[i]);
        grid->addWidget(radios_[i], 2 * i, 0, 1, 2);
        grid->addWidget(explanations_[i], 2 * i + 1, 1);
    }
    layout->addLayout(grid);
    layout->addSpacing(kGroupSpacing);
    hint_ = AddText(kStartHint);
    layout->addWidget(hint_);
    layout->addStretch(1);
    radios_[0]->setChecked(true);
    connect(name_, &QLineEdit::textChanged, this,
            [this](const QString& text) { emit NextAllowed(!text.isEmpty()); });
}

NameMatching NamePage::Matching() const {
    for (int i = 0; i < 3; ++i) {
        if (radios_[i]->isChecked()) return static_cast<NameMatching>(i);
    }
    return NameMatching::kStart;
}

void NamePage::SetMatching(NameMatching matching) {
    radios_[static_cast<int>(matching)]->setChecked(true);
}

void NamePage::Load(const AssistantCriteria& criteria) {
    name_->setText(ToQString(criteria.name));
    saved_.reset();
    SetMatching(criteria.matching);
}

void NamePage::Store(AssistantCriteria& criteria) const {
    criteria.name = FromQString(name_->text());
    criteria.matching = Matching();
}

void NamePage::Enter(const AssistantFlow& flow) {
    const bool known = flow.PlaceKnown();
    if (known && saved_) {
        SetMatching(*saved_);
        saved_.reset();
    } else if (!known) {
        // Over the whole country only exact names can be looked up.
        if (!saved_) saved_ = Matching();
        SetMatching(NameMatching::kExact);
    }
    for (int i = 0; i < 3; ++i) {
        const bool offered = known || i == static_cast<int>(NameMatching::kExact);
        radios_[i]->setEnabled(offered);
        explanations_[i]->setEnabled(offered);
    }
    hint_->setText(UiString(known ? kStartHint : kExactHint));
    emit NextAllowed(!name_->text().isEmpty());
}

QWidget* NamePage::FirstControl() const { return name_; }

MorePage::MorePage(DataSet& data_set, QWidget* parent)
    : AssistantPageWidget(parent), streets_(data_set.StreetIndex(), data_set.Books()) {
    first_name_ = TextEdit(kFirstNameLength, this);
    street_ = new FieldEdit(InputField::kStreet, this);
    street_->setMaxLength(kStreetLength);
    street_->setValidator(new Cp1252Validator(street_));
    street_hint_ = AddText(kStreetHint);
    auto* first_name_label = new QLabel(UiString(kFirstNameLabel), this);
    first_name_label->setBuddy(first_name_);
    auto* street_label = new QLabel(UiString(kStreetLabel), this);
    street_label->setBuddy(street_);
    auto* grid = new QGridLayout;
    grid->addWidget(first_name_label, 0, 0);
    grid->addWidget(first_name_, 0, 1);
    grid->addWidget(street_label, 1, 0);
    grid->addWidget(street_, 1, 1);
    grid->addWidget(street_hint_, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kMoreQuestion));
    layout->addSpacing(kGroupSpacing);
    layout->addLayout(grid);
    layout->addStretch(1);
    connect(street_, &FieldEdit::Edited, this, &MorePage::OnStreetEdited);
    connect(street_, &FieldEdit::MoveRequested, this, &MorePage::OnStreetMove);
    connect(street_, &FieldEdit::TabPressed, this,
            [this](bool backwards) { focusNextPrevChild(!backwards); });
    connect(street_, &FieldEdit::Entered, this, &AssistantPageWidget::NextRequested);
    connect(street_, &FieldEdit::Escaped, this, &AssistantPageWidget::BackRequested);
}

void MorePage::Load(const AssistantCriteria& criteria) {
    first_name_->setText(ToQString(criteria.first_name));
    street_->SetProgramText(ToQString(criteria.street));
    row_ = -1;
}

void MorePage::Store(AssistantCriteria& criteria) const {
    criteria.first_name = FromQString(first_name_->text());
    criteria.street = FromQString(street_->text());
}

void MorePage::Enter(const AssistantFlow& flow) {
    if (flow.ChosenTown() != book_) {
        book_ = flow.ChosenTown();
        streets_.SetBook(book_);
        row_ = -1;
    }
    street_hint_->setVisible(book_ >= 0);
    CheckStreet();
}

QWidget* MorePage::FirstControl() const { return first_name_; }

void MorePage::OnStreetEdited() {
    const std::string typed = FromQString(street_->text());
    if (book_ >= 0 && !typed.empty()) {
        WaitCursor wait;
        // Nothing found leaves the arrow keys to start at the first street.
        row_ = streets_.FindRow(typed);
        if (row_ >= 0) street_->Suggest(TrimBlanks(streets_.Text(row_, 0)));
    }
    CheckStreet();
}

void MorePage::OnStreetMove(ListMove move) {
    if (book_ < 0 || (move != ListMove::kUp && move != ListMove::kDown)) return;
    const int row = row_ < 0 ? 0 : row_ + (move == ListMove::kUp ? -1 : 1);
    if (row < 0 || row >= streets_.Count()) return;
    row_ = row;
    street_->SetProgramText(ToQString(TrimBlanks(streets_.Text(row, 0))));
    street_->selectAll();
    CheckStreet();
}

void MorePage::CheckStreet() {
    const std::string text = FromQString(street_->text());
    if (book_ < 0 || text.empty()) {
        SetValid(true);
        return;
    }
    WaitCursor wait;
    const int row = streets_.FindRow(text);
    SetValid(row >= 0 && FoldText(TrimBlanks(streets_.Text(row, 0))) == FoldText(text));
}

void MorePage::SetValid(bool valid) {
    street_valid_ = valid;
    emit NextAllowed(valid);
}

}  // namespace vendarion
