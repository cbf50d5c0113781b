#include "ui/input_panels.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <vector>

#include "ui/cp1252_validator.h"
#include "ui/field_edit.h"
#include "ui/name_panel.h"
#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kTownLabel = 1006;
constexpr int kHeadingLabel = 1007;
constexpr int kPostalCodeLabel = 1009;
constexpr int kStreetLabel = 1010;
constexpr int kAreaCodeLabel = 1015;
constexpr int kNameLabel = 1008;
// Panel widths in dialog units (a quarter of the average letter width).
constexpr int kPanelUnits = 160;
constexpr int kNamePanelUnits = 369;
// The name panel may grow by this much where the row has room.
constexpr double kNamePanelGrowth = 1.4;
constexpr int kSpacing = 16;
constexpr int kMinimumWidth = 200;
constexpr int kPanelCount = 6;

// The panels in layout order, by the field each stands for.
constexpr std::array<InputField, kPanelCount> kPanelOrder = {
    InputField::kTown,   InputField::kName,     InputField::kPostalCode,
    InputField::kStreet, InputField::kAreaCode, InputField::kHeading,
};

int Index(InputField field) { return static_cast<int>(field); }

int LabelWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (const int id :
         {kTownLabel, kHeadingLabel, kPostalCodeLabel, kStreetLabel, kAreaCodeLabel, kNameLabel}) {
        widest = std::max(widest, metrics.horizontalAdvance(UiString(id).remove(QLatin1Char('&'))));
    }
    return widest + 8;
}

}  // namespace

InputPanels::InputPanels(QWidget* parent) : InputFields(parent) {
    const int label_width = LabelWidth(fontMetrics());
    names_ = new NamePanel(label_width, this);
    edits_[Index(InputField::kName)] = names_->NameEdit();
    edits_[Index(InputField::kFirstName)] = names_->FirstNameEdit();
    panels_[0] = MakePanel(InputField::kTown, kTownLabel, label_width);
    panels_[1] = names_;
    panels_[2] = MakePanel(InputField::kPostalCode, kPostalCodeLabel, label_width);
    panels_[3] = MakePanel(InputField::kStreet, kStreetLabel, label_width);
    panels_[4] = MakePanel(InputField::kAreaCode, kAreaCodeLabel, label_width);
    panels_[5] = MakePanel(InputField::kHeading, kHeadingLabel, label_width);

    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* texts = new Cp1252Validator(this);
    for (FieldEdit* edit : edits_) {
        const InputField field = edit->Field();
        edit->setValidator(IsCodeField(field) ? static_cast<QValidator*>(digits) : texts);
        Connect(edit);
    }
    connect(names_, &NamePanel::ModeChosen, this, &InputFields::ModeChosen);

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(kSpacing);
    grid_->setVerticalSpacing(4);
    // The panels are placed for the width the window gives, not the other way round.
    grid_->setSizeConstraint(QLayout::SetNoConstraint);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    visible_mask_ = (1 << kPanelCount) - 1;
    Relayout(width());
}

QWidget* InputPanels::MakePanel(InputField field, int label_id, int label_width) {
    auto* panel = new QFrame(this);
    auto* edit = new FieldEdit(field, panel);
    auto* label = new QLabel(UiString(label_id), panel);
    label->setFixedWidth(label_width);
    label->setBuddy(edit);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(edit, 1);
    edits_[Index(field)] = edit;
    return panel;
}

void InputPanels::Connect(FieldEdit* edit) {
    const InputField field = edit->Field();
    connect(edit, &FieldEdit::Edited, this, [this, field] { emit Edited(field); });
    connect(
        edit, &FieldEdit::Entering, this, [this, field] { emit Entering(field); },
        Qt::QueuedConnection);
    connect(edit, &FieldEdit::Entered, this, [this, field] { emit Entered(field); });
    connect(edit, &FieldEdit::Escaped, this, [this, field] { emit Escaped(field); });
    connect(edit, &FieldEdit::MoveRequested, this,
            [this, field](ListMove move) { emit MoveRequested(field, move); });
    connect(edit, &FieldEdit::TabPressed, this,
            [this, field](bool backwards) { FocusNext(field, backwards); });
    connect(edit, &FieldEdit::CommandKey, this, [this](int key) {
        if (key == Qt::Key_U) ShowModeMenu();
    });
    if (!IsCodeField(field)) {
        connect(edit, &QLineEdit::inputRejected, this, [this, field] { emit InputRefused(field); });
    }
}

QWidget* InputPanels::Panel(InputField field) const {
    if (field == InputField::kFirstName) field = InputField::kName;
    const auto at = std::find(kPanelOrder.begin(), kPanelOrder.end(), field);
    return panels_[static_cast<std::size_t>(at - kPanelOrder.begin())];
}

QSize InputPanels::minimumSizeHint() const {
    return {kMinimumWidth, grid_->minimumSize().height()};
}

void InputPanels::resizeEvent(QResizeEvent* event) {
    InputFields::resizeEvent(event);
    Relayout(width());
}

void InputPanels::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuRequested(event->globalPos());
    event->accept();
}

void InputPanels::Relayout(int width) {
    const double unit = AverageLetterWidth(font()) / 4;
    std::vector<int> shown;
    for (int i = 0; i < kPanelCount; ++i) {
        if ((visible_mask_ & FieldBit(kPanelOrder[i])) != 0) shown.push_back(i);
    }
    const auto natural = [unit](int panel) {
        return static_cast<int>((panel == 1 ? kNamePanelUnits : kPanelUnits) * unit);
    };
    // Two to a row when every pair of the order fits side by side.
    int first_column = 0;
    int second_column = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        int& column = i % 2 == 0 ? first_column : second_column;
        column = std::max(column, natural(shown[i]));
    }
    const int columns = first_column + kSpacing + second_column <= width ? 2 : 1;
    if (columns == columns_ && width == laid_out_width_ && visible_mask_ == laid_out_mask_) return;
    laid_out_width_ = width;
    laid_out_mask_ = visible_mask_;
    while (grid_->count() > 0) delete grid_->takeAt(0);
    // Only the panels that go are hidden: hiding a shown one would take its focus.
    for (int i = 0; i < kPanelCount; ++i) {
        if ((visible_mask_ & FieldBit(kPanelOrder[i])) == 0) panels_[i]->setVisible(false);
    }
    const int room = columns == 2 ? width - first_column - kSpacing : width;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int panel = shown[i];
        const int column = columns == 2 ? static_cast<int>(i % 2) : 0;
        const int own_room = column == 0 && columns == 2 ? first_column : room;
        int panel_width = std::min(natural(panel), own_room);
        if (panel == 1) {
            panel_width = std::min(own_room, static_cast<int>(natural(panel) * kNamePanelGrowth));
        }
        panels_[panel]->setFixedWidth(std::max(panel_width, 0));
        grid_->addWidget(panels_[panel], static_cast<int>(i) / columns, column, Qt::AlignLeft);
        panels_[panel]->setVisible(true);
    }
    grid_->setColumnStretch(1, columns == 1 ? 1 : 0);
    grid_->setColumnStretch(2, columns == 2 ? 1 : 0);
    columns_ = columns;
    grid_->activate();
    updateGeometry();
}

std::string InputPanels::Text(InputField field) const {
    return FromQString(edits_[Index(field)]->text());
}

void InputPanels::SetText(InputField field, std::string_view text) {
    edits_[Index(field)]->SetProgramText(ToQString(text));
}

void InputPanels::SetSuggestion(InputField field, std::string_view text) {
    edits_[Index(field)]->Suggest(text);
}

void InputPanels::SetEnabledFields(int mask, bool first_name_allowed) {
    for (FieldEdit* edit : edits_) {
        const InputField field = edit->Field();
        if (field == InputField::kName || field == InputField::kFirstName) continue;
        const bool enabled = (mask & FieldBit(field)) != 0;
        if (!enabled) {
            edit->SetProgramText(QString());
            edit->ForgetCompletion();
        }
        // The label greys with its edit.
        Panel(field)->setEnabled(enabled);
    }
    names_->SetEnabledFields((mask & FieldBit(InputField::kName)) != 0, first_name_allowed);
}

void InputPanels::SetVisibleFields(int mask) {
    visible_mask_ = mask;
    Relayout(width());
}

void InputPanels::SetCutOnDelete(int mask) {
    for (FieldEdit* edit : edits_) edit->SetCutOnDelete((mask & FieldBit(edit->Field())) != 0);
}

NameMode InputPanels::Mode() const { return names_->Mode(); }

void InputPanels::SetMode(NameMode mode) { names_->SetMode(mode); }

void InputPanels::ShowModeMenu() { names_->ShowModeMenu(); }

bool InputPanels::HasFocus(InputField field) const { return edits_[Index(field)]->hasFocus(); }

bool InputPanels::Usable(InputField field) const {
    const FieldEdit* edit = edits_[Index(field)];
    return edit->isEnabled() &&
           (visible_mask_ &
            FieldBit(field == InputField::kFirstName ? InputField::kName : field)) != 0;
}

void InputPanels::FocusField(InputField field) {
    if (Usable(field)) edits_[Index(field)]->setFocus(Qt::OtherFocusReason);
}

void InputPanels::FocusNext(InputField from, bool backwards) {
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

}  // namespace vendarion
