// The name panel: the surname and first name edits, and the name search mode with
// its box and the button that opens the mode menu (also Ctrl+U). The mode controls
// work only while a first name may be typed and a surname is there. Choosing another
// mode in the menu reports ModeChosen after the menu has closed. User-interface
// thread only.
#pragma once

#include <QFrame>

#include "query/name_mode.h"

class QActionGroup;
class QLabel;
class QMenu;
class QToolButton;

namespace vendarion {

class FieldEdit;
class NameModeBox;

class NamePanel final : public QFrame {
    Q_OBJECT

public:
    // label_width: the width of the panels' first labels, so that the edits line up.
    NamePanel(int label_width, QWidget* parent);

    FieldEdit* NameEdit() const { return name_; }
    FieldEdit* FirstNameEdit() const { return first_name_; }
    // The name field of the mask, and the first name only when it is allowed too.
    // Disabling empties an edit.
    void SetEnabledFields(bool name, bool first_name_allowed);
    NameMode Mode() const { return mode_; }
    // Sets the mode as the program: no ModeChosen follows.
    void SetMode(NameMode mode);
    bool ModeControlsEnabled() const;
    // Opens the mode menu right-aligned below the button, when the mode controls work.
    void ShowModeMenu();
    QMenu* ModeMenu() const { return menu_; }
    QToolButton* ModeButton() const { return button_; }
    const NameModeBox* ModeBox() const { return box_; }

signals:
    void ModeChosen();

private:
    void UpdateModeControls();
    void Choose(NameMode mode);

    FieldEdit* name_ = nullptr;
    FieldEdit* first_name_ = nullptr;
    QLabel* first_name_label_ = nullptr;
    QLabel* mode_label_ = nullptr;
    NameModeBox* box_ = nullptr;
    QToolButton* button_ = nullptr;
    QMenu* menu_ = nullptr;
    QActionGroup* modes_ = nullptr;
    NameMode mode_ = NameMode::kNormal;
    bool first_name_allowed_ = false;
};

}  // namespace vendarion
