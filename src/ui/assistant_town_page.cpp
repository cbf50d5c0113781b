#include "ui/assistant_town_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/fold_text.h"
#include "store/data_set.h"
#include "ui/cp1252_validator.h"
#include "ui/field_edit.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kQuestion = 3306;
constexpr int kChoiceTexts[kTownChoiceCount] = {1071, 1072, 1073};
constexpr InputField kFields[kTownChoiceCount] = {InputField::kTown, InputField::kPostalCode,
                                                  InputField::kAreaCode};
constexpr int kLengths[kTownChoiceCount] = {50, 10, 15};
// The fields and hints stand indented below their radio buttons.
constexpr int kIndent = 20;
constexpr int kGroupSpacing = 10;

}  // namespace

TownPage::TownPage(DataSet& data_set, QWidget* parent)
    : AssistantPageWidget(parent),
      towns_(data_set.Towns(), data_set.Books().Books()),
      postal_codes_(data_set.PostalCodes(), data_set.Books().Books()),
      area_codes_(data_set.AreaCodes(), data_set.Books().Books()) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddText(kQuestion));
    for (int i = 0; i < kTownChoiceCount; ++i) {
        const auto choice = static_cast<TownChoice>(i);
        radios_[i] = new QRadioButton(UiString(kChoiceTexts[i]), this);
        edits_[i] = new FieldEdit(kFields[i], this);
        edits_[i]->setMaxLength(kLengths[i]);
        if (choice == TownChoice::kName) edits_[i]->setValidator(new Cp1252Validator(edits_[i]));
        hints_[i] = new QLabel(this);
        hints_[i]->setWordWrap(true);
        // A town name has no hint; a code's hint keeps two lines, so that the page
        // does not jump when it appears.
        if (choice == TownChoice::kName) {
            hints_[i]->hide();
        } else {
            hints_[i]->setMinimumHeight(2 * hints_[i]->fontMetrics().lineSpacing());
        }
        auto* grid = new QGridLayout;
        grid->setColumnMinimumWidth(0, kIndent);
        grid->addWidget(radios_[i], 0, 0, 1, 2);
        grid->addWidget(edits_[i], 1, 1);
        grid->addWidget(hints_[i], 2, 1);
        layout->addSpacing(kGroupSpacing);
        layout->addLayout(grid);
        connect(radios_[i], &QRadioButton::toggled, this, [this, choice](bool on) {
            if (on) Choose(choice);
        });
        connect(edits_[i], &FieldEdit::Edited, this, [this, choice] { OnEdited(choice); });
        connect(edits_[i], &FieldEdit::MoveRequested, this,
                [this, choice](ListMove move) { OnMove(choice, move); });
        connect(edits_[i], &FieldEdit::TabPressed, this,
                [this](bool backwards) { focusNextPrevChild(!backwards); });
        connect(edits_[i], &FieldEdit::Entered, this, &AssistantPageWidget::NextRequested);
        connect(edits_[i], &FieldEdit::Escaped, this, &AssistantPageWidget::BackRequested);
    }
    layout->addStretch(1);
    radios_[0]->setChecked(true);
    Choose(TownChoice::kName);
}

PlaceRows& TownPage::RowsOf(TownChoice choice) {
    switch (choice) {
        case TownChoice::kPostalCode:
            return postal_codes_;
        case TownChoice::kAreaCode:
            return area_codes_;
        case TownChoice::kName:
            break;
    }
    return towns_;
}

void TownPage::Load(const AssistantCriteria& criteria) {
    for (int i = 0; i < kTownChoiceCount; ++i) {
        const auto choice = static_cast<TownChoice>(i);
        edits_[i]->SetProgramText(ToQString(criteria.town_texts[i]));
        found_[i] = {};
        if (criteria.town_texts[i].empty()) continue;
        WaitCursor wait;
        // The chosen row comes back as it was chosen (also one reached with the arrow
        // keys); the other texts are looked up again.
        if (choice == criteria.town_choice) {
            found_[i] = PlaceAt(RowsOf(choice), choice, criteria.town_row, 1);
        }
        if (found_[i].book != criteria.town_book || found_[i].text != criteria.town_texts[i]) {
            found_[i] = FindPlace(RowsOf(choice), choice, criteria.town_texts[i]);
        }
        hints_[i]->setText(ToQString(CodeHint(choice, found_[i])));
    }
    radios_[Index(criteria.town_choice)]->setChecked(true);
    Choose(criteria.town_choice);
}

void TownPage::Store(AssistantCriteria& criteria) const {
    criteria.town_choice = choice_;
    for (int i = 0; i < kTownChoiceCount; ++i) {
        criteria.town_texts[i] = FromQString(edits_[i]->text());
    }
    const PlaceMatch& found = Found();
    criteria.town_name = found.town;
    criteria.town_row = found.row;
}

void TownPage::Enter(const AssistantFlow& flow) {
    (void)flow;
    // The radio buttons may have been changed while the page was hidden.
    for (int i = 0; i < kTownChoiceCount; ++i) {
        if (radios_[i]->isChecked()) Choose(static_cast<TownChoice>(i));
    }
}

QWidget* TownPage::FirstControl() const { return edits_[Index(choice_)]; }

void TownPage::Choose(TownChoice choice) {
    choice_ = choice;
    for (int i = 0; i < kTownChoiceCount; ++i) {
        const bool on = i == Index(choice);
        edits_[i]->setEnabled(on);
        hints_[i]->setEnabled(on);
    }
    emit FoundTown(Found().book);
}

void TownPage::OnEdited(TownChoice choice) {
    FieldEdit* edit = edits_[Index(choice)];
    const std::string typed = FromQString(edit->text());
    PlaceMatch& found = found_[Index(choice)];
    {
        WaitCursor wait;
        found = FindPlace(RowsOf(choice), choice, typed);
    }
    if (found.row >= 0) {
        if (FoldText(typed) == FoldText(found.text)) {
            // The whole name was typed: it stands as the list spells it.
            edit->SetProgramText(ToQString(found.text));
        } else {
            edit->Suggest(found.text);
        }
    }
    Show(choice);
}

void TownPage::OnMove(TownChoice choice, ListMove move) {
    if (move != ListMove::kUp && move != ListMove::kDown) return;
    const int step = move == ListMove::kUp ? -1 : 1;
    PlaceMatch& found = found_[Index(choice)];
    PlaceRows& rows = RowsOf(choice);
    const int row = found.row < 0 ? 0 : found.row + step;
    if (row < 0 || row >= rows.Count()) return;
    {
        WaitCursor wait;
        const PlaceMatch next = PlaceAt(rows, choice, row, step);
        if (next.row < 0) return;
        found = next;
    }
    FieldEdit* edit = edits_[Index(choice)];
    edit->SetProgramText(ToQString(found.text));
    edit->selectAll();
    Show(choice);
}

void TownPage::Show(TownChoice choice) {
    hints_[Index(choice)]->setText(ToQString(CodeHint(choice, found_[Index(choice)])));
    if (choice == choice_) emit FoundTown(Found().book);
}

}  // namespace vendarion
