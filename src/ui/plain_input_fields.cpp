#include "ui/plain_input_fields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <algorithm>

#include "base/fold_text.h"
#include "ui/cp1252_validator.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTownLabel = 1006;
constexpr int kHeadingLabel = 1007;
constexpr int kNameLabel = 1008;
constexpr int kPostalCodeLabel = 1009;
constexpr int kStreetLabel = 1010;
constexpr int kFirstNameLabel = 1011;
constexpr int kAreaCodeLabel = 1015;
constexpr int kModeLabel = 1106;
constexpr int kLabelWidth = 84;
constexpr int kNameModes = 6;
constexpr int kMaximumWidth = 1100;

int Index(InputField field) { return static_cast<int>(field); }

}  // namespace

PlainInputFields::PlainInputFields(QWidget* parent) : InputFields(parent) {
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* texts = new Cp1252Validator(this);
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        edits_[i] = new QLineEdit(this);
        if (field == InputField::kPostalCode || field == InputField::kAreaCode) {
            edits_[i]->setValidator(digits);
        } else {
            edits_[i]->setValidator(texts);
            connect(edits_[i], &QLineEdit::inputRejected, this,
                    [this, field] { emit InputRefused(field); });
        }
        edits_[i]->installEventFilter(this);
        connect(edits_[i], &QLineEdit::textEdited, this, [this, field] { emit Edited(field); });
        connect(edits_[i], &QLineEdit::returnPressed, this, [this, field] { emit Entered(field); });
    }
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    grid->addWidget(MakeRow(InputField::kTown, kTownLabel), 0, 0);
    grid->addWidget(MakeNameRow(), 0, 1);
    grid->addWidget(MakeRow(InputField::kPostalCode, kPostalCodeLabel), 1, 0);
    grid->addWidget(MakeRow(InputField::kStreet, kStreetLabel), 1, 1);
    grid->addWidget(MakeRow(InputField::kAreaCode, kAreaCodeLabel), 2, 0);
    grid->addWidget(MakeRow(InputField::kHeading, kHeadingLabel), 2, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    // On a wide screen the fields keep a readable length instead of spanning it.
    setMaximumWidth(kMaximumWidth);
}

QWidget* PlainInputFields::MakeRow(InputField field, int label_id) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(UiString(label_id), row);
    label->setFixedWidth(kLabelWidth);
    label->setBuddy(edits_[Index(field)]);
    layout->addWidget(label);
    layout->addWidget(edits_[Index(field)], 1);
    rows_[Index(field)] = row;
    return row;
}

QWidget* PlainInputFields::MakeNameRow() {
    QWidget* row = MakeRow(InputField::kName, kNameLabel);
    auto* layout = static_cast<QHBoxLayout*>(row->layout());
    first_name_label_ = new QLabel(UiString(kFirstNameLabel), row);
    layout->addWidget(first_name_label_);
    layout->addWidget(edits_[Index(InputField::kFirstName)], 1);
    mode_label_ = new QLabel(UiString(kModeLabel), row);
    mode_box_ = new QComboBox(row);
    for (int mode = 1; mode <= kNameModes; ++mode) {
        mode_box_->addItem(UiString(kNameModeCaptionBase + mode));
    }
    mode_label_->setBuddy(mode_box_);
    layout->addWidget(mode_label_);
    layout->addWidget(mode_box_);
    connect(mode_box_, &QComboBox::activated, this, [this] { emit ModeChosen(); });
    rows_[Index(InputField::kFirstName)] = row;
    return row;
}

bool PlainInputFields::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const bool key_event =
        event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (edit == nullptr || !key_event) return InputFields::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & Qt::ControlModifier) != 0 && HandleControlKey(edit, key)) return true;
    const int index =
        static_cast<int>(std::find(edits_.begin(), edits_.end(), edit) - edits_.begin());
    if (index >= kInputFieldCount) return InputFields::eventFilter(watched, event);
    const auto field = static_cast<InputField>(index);
    if (key->key() == Qt::Key_Escape) {
        // Esc is the field's, also while a search runs: it stops it and leaves.
        if (event->type() == QEvent::KeyPress) emit Escaped(field);
        key->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return InputFields::eventFilter(watched, event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        FocusNext(field, key->key() == Qt::Key_Backtab);
        return true;
    }
    if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier) {
        if (edit->hasSelectedText() && edit->selectionStart() > 0) {
            edit->setSelection(edit->selectionStart() - 1,
                               static_cast<int>(edit->selectedText().size()) + 1);
        }
        return InputFields::eventFilter(watched, event);
    }
    const ListMove move = ListMoveOf(key->key(), key->modifiers());
    if (move == ListMove::kNone) return InputFields::eventFilter(watched, event);
    emit MoveRequested(field, move);
    return true;
}

bool PlainInputFields::Usable(InputField field) const {
    const QLineEdit* edit = edits_[Index(field)];
    return edit->isEnabled() && edit->isVisibleTo(this);
}

void PlainInputFields::FocusNext(InputField from, bool backwards) {
    if (from == InputField::kName && !backwards && Usable(InputField::kFirstName)) {
        edits_[Index(InputField::kFirstName)]->setFocus(Qt::TabFocusReason);
        return;
    }
    if (from == InputField::kFirstName) {
        if (backwards) {
            edits_[Index(InputField::kName)]->setFocus(Qt::BacktabFocusReason);
            return;
        }
        from = InputField::kName;
    }
    constexpr int kCycle = 6;
    int at = Index(from);
    for (int step = 0; step < kCycle; ++step) {
        at = (at + (backwards ? kCycle - 1 : 1)) % kCycle;
        auto field = static_cast<InputField>(at);
        if (!Usable(field)) continue;
        if (field == InputField::kName && backwards && Usable(InputField::kFirstName)) {
            field = InputField::kFirstName;
        }
        edits_[Index(field)]->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return;
    }
}

bool PlainInputFields::HandleControlKey(QLineEdit* edit, QKeyEvent* key) {
    const bool press = key->type() == QEvent::KeyPress;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
        // The caret goes to the start or the end of the text.
        if (press) {
            if (key->key() == Qt::Key_Left) {
                edit->home(false);
            } else {
                edit->end(false);
            }
        }
        key->accept();
        return true;
    }
    if (ListMoveOf(key->key(), key->modifiers()) != ListMove::kNone) return false;
    // Every other Ctrl key is the window's: the edit's own shortcuts (cut, copy,
    // paste, undo) give way to the commands, and a key without a command does
    // nothing.
    key->ignore();
    return true;
}

std::string PlainInputFields::Text(InputField field) const {
    return FromQString(edits_[Index(field)]->text());
}

void PlainInputFields::SetText(InputField field, std::string_view text) {
    edits_[Index(field)]->setText(ToQString(text));
}

void PlainInputFields::SetSuggestion(InputField field, std::string_view text) {
    QLineEdit* edit = edits_[Index(field)];
    const std::string typed = FromQString(edit->text());
    if (typed == text) {
        edit->end(false);
        return;
    }
    std::string rest;
    if (!text.empty() && CompleteFromPrefix(typed, text, &rest)) {
        // What was typed stays, with the case of the suggestion's first letter.
        std::string completed = typed + rest;
        if (!completed.empty()) completed[0] = text.front();
        edit->setText(ToQString(completed));
        const int start = static_cast<int>(ToQString(typed).size());
        edit->setSelection(start, static_cast<int>(edit->text().size()) - start);
        return;
    }
    edit->setText(ToQString(text));
    edit->selectAll();
}

void PlainInputFields::SetEnabledFields(int mask, bool first_name_allowed) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        const bool enabled = field == InputField::kFirstName
                                 ? first_name_allowed && (mask & FieldBit(InputField::kName)) != 0
                                 : (mask & FieldBit(field)) != 0;
        if (!enabled) edits_[i]->clear();
        edits_[i]->setEnabled(enabled);
    }
    first_name_label_->setEnabled(edits_[Index(InputField::kFirstName)]->isEnabled());
    const bool modes = edits_[Index(InputField::kFirstName)]->isEnabled();
    mode_label_->setEnabled(modes);
    mode_box_->setEnabled(modes);
}

void PlainInputFields::SetVisibleFields(int mask) {
    for (int i = 0; i < kInputFieldCount; ++i) {
        if (i == Index(InputField::kFirstName)) continue;
        rows_[i]->setVisible((mask & FieldBit(static_cast<InputField>(i))) != 0);
    }
}

NameMode PlainInputFields::Mode() const {
    return static_cast<NameMode>(mode_box_->currentIndex() + 1);
}

void PlainInputFields::SetMode(NameMode mode) {
    const QSignalBlocker quiet(mode_box_);
    mode_box_->setCurrentIndex(static_cast<int>(mode) - 1);
}

void PlainInputFields::FocusField(InputField field) {
    QLineEdit* edit = edits_[Index(field)];
    if (edit->isEnabled() && edit->isVisibleTo(this)) edit->setFocus();
}

}  // namespace vendarion
