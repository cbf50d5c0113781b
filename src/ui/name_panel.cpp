#include "ui/name_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "ui/field_edit.h"
#include "ui/name_mode_box.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kNameLabel = 1008;
constexpr int kFirstNameLabel = 1011;
constexpr int kModeLabel = 1106;
// The menu texts of the modes Normal to Namensteile.
constexpr int kFirstModeCommand = 40057;
constexpr int kModeCount = 6;

QString Caption(NameMode mode) { return UiString(kNameModeCaptionBase + static_cast<int>(mode)); }

}  // namespace

NamePanel::NamePanel(int label_width, QWidget* parent) : QFrame(parent) {
    name_ = new FieldEdit(InputField::kName, this);
    first_name_ = new FieldEdit(InputField::kFirstName, this);
    auto* name_label = new QLabel(UiString(kNameLabel), this);
    name_label->setFixedWidth(label_width);
    name_label->setBuddy(name_);
    first_name_label_ = new QLabel(UiString(kFirstNameLabel), this);
    first_name_label_->setBuddy(first_name_);
    mode_label_ = new QLabel(UiString(kModeLabel), this);
    box_ = new NameModeBox(this);
    box_->SetCaption(Caption(mode_));
    button_ = new QToolButton(this);
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::TabFocus);
    mode_label_->setBuddy(button_);

    menu_ = new QMenu(this);
    modes_ = new QActionGroup(this);
    for (int i = 0; i < kModeCount; ++i) {
        QAction* action = menu_->addAction(UiString(kFirstModeCommand + i));
        action->setCheckable(true);
        action->setData(i + 1);
        modes_->addAction(action);
    }
    modes_->actions().front()->setChecked(true);
    connect(modes_, &QActionGroup::triggered, this,
            [this](QAction* action) { Choose(static_cast<NameMode>(action->data().toInt())); });
    connect(button_, &QToolButton::clicked, this, &NamePanel::ShowModeMenu);
    connect(name_, &QLineEdit::textChanged, this, &NamePanel::UpdateModeControls);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(name_label);
    layout->addWidget(name_, 3);
    layout->addSpacing(8);
    layout->addWidget(first_name_label_);
    layout->addWidget(first_name_, 2);
    layout->addSpacing(8);
    layout->addWidget(mode_label_);
    layout->addWidget(box_);
    layout->addWidget(button_);
    layout->setSpacing(4);
    UpdateModeControls();
}

void NamePanel::SetEnabledFields(bool name, bool first_name_allowed) {
    first_name_allowed_ = name && first_name_allowed;
    if (!name) {
        name_->SetProgramText(QString());
        name_->ForgetCompletion();
    }
    if (!first_name_allowed_) first_name_->SetProgramText(QString());
    name_->setEnabled(name);
    first_name_->setEnabled(first_name_allowed_);
    first_name_label_->setEnabled(first_name_allowed_);
    UpdateModeControls();
}

bool NamePanel::ModeControlsEnabled() const { return button_->isEnabled(); }

void NamePanel::UpdateModeControls() {
    const bool enabled = first_name_allowed_ && !name_->text().isEmpty();
    mode_label_->setEnabled(enabled);
    box_->setEnabled(enabled);
    button_->setEnabled(enabled);
}

void NamePanel::SetMode(NameMode mode) {
    mode_ = mode;
    box_->SetCaption(Caption(mode));
    modes_->actions().at(static_cast<int>(mode) - 1)->setChecked(true);
}

void NamePanel::ShowModeMenu() {
    if (!ModeControlsEnabled() || menu_->isVisible()) return;
    const QSize size = menu_->sizeHint();
    menu_->popup(button_->mapToGlobal(QPoint(button_->width() - size.width(), button_->height())));
    // The keys start from the current mode.
    menu_->setActiveAction(modes_->checkedAction());
}

void NamePanel::Choose(NameMode mode) {
    if (mode == mode_) return;
    SetMode(mode);
    // Reported after the menu has closed, so that the search starts from the field.
    QMetaObject::invokeMethod(this, &NamePanel::ModeChosen, Qt::QueuedConnection);
}

}  // namespace vendarion
