// What a key pressed in an input field does. The navigation keys move the list's
// selection instead of the caret; Ctrl keys are the window's commands and never the
// edit's own shortcuts (Ctrl+Left and Ctrl+Right put the caret at the ends); Tab,
// Enter and Esc are the window's; the postal and area code fields take digits only.
#pragma once

#include <Qt>

#include "ui/navigation_keys.h"

namespace vendarion {

enum class FieldKeyAction {
    kEdit,           // the edit handles the key as usual
    kSwallow,        // nothing happens
    kMove,           // the list's selection moves
    kCaretToStart,   // Ctrl+Left
    kCaretToEnd,     // Ctrl+Right
    kCommand,        // any other Ctrl key
    kNextField,      // Tab
    kPreviousField,  // Shift+Tab
    kEnter,
    kEscape,
    kBackspace,  // edits after taking the character before a selection into it
    kDelete,     // edits, after a cut in the lists that ask for one
};

struct FieldKey {
    FieldKeyAction action = FieldKeyAction::kEdit;
    ListMove move = ListMove::kNone;  // for kMove
};

// digits_only: the key goes to a postal or area code field.
FieldKey FieldKeyOf(int key, Qt::KeyboardModifiers modifiers, bool digits_only);

}  // namespace vendarion
