// The input fields above the list as the main window sees them: texts, enabled and
// visible fields, the name search mode, and what the user does in them.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "query/name_mode.h"
#include "ui/input_field.h"
#include "ui/navigation_keys.h"

namespace vendarion {

class InputFields : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Windows-1252 texts.
    virtual std::string Text(InputField field) const = 0;
    // Sets a text as the program; no Edited signal follows.
    virtual void SetText(InputField field, std::string_view text) = 0;
    // Completes the field from a text of the list: the same text puts the caret at
    // the end; a text that the typed one is a folded prefix of keeps what was typed
    // and adds the rest, selected; any other text replaces it, wholly selected.
    virtual void SetSuggestion(InputField field, std::string_view text) = 0;
    // Enables the fields of the mask (FieldBit of each) and empties every field it
    // disables; the first name follows the name field when allowed.
    virtual void SetEnabledFields(int mask, bool first_name_allowed) = 0;
    // Shows the fields of the mask and hides the others.
    virtual void SetVisibleFields(int mask) = 0;
    // In the fields of the mask Delete cuts the selection to the clipboard first,
    // and the text that stays is not looked up.
    virtual void SetCutOnDelete(int mask) = 0;
    virtual NameMode Mode() const = 0;
    virtual void SetMode(NameMode mode) = 0;
    // Focuses the field when it is shown and enabled.
    virtual void FocusField(InputField field) = 0;
    virtual bool HasFocus(InputField field) const = 0;
    // Opens the name mode menu, when the mode can be chosen.
    virtual void ShowModeMenu() = 0;

signals:
    // The user changed the text of a field.
    void Edited(vendarion::InputField field);
    // A field gained the focus as the user went to it (posted: it arrives after the
    // key or click that moved the focus has been handled).
    void Entering(vendarion::InputField field);
    // The user pressed Enter in a field.
    void Entered(vendarion::InputField field);
    // The user pressed Esc in a field.
    void Escaped(vendarion::InputField field);
    // The user chose another name search mode (after the menu has closed).
    void ModeChosen();
    // A typed or pasted character was refused: it has no Windows-1252 byte.
    void InputRefused(vendarion::InputField field);
    // A navigation key in a field: the list's selection is to move, not the caret.
    void MoveRequested(vendarion::InputField field, vendarion::ListMove move);
    // A right click on a panel, at a global position.
    void MenuRequested(const QPoint& global);
};

}  // namespace vendarion
