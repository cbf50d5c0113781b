#include "ui/field_keys.h"

namespace vendarion {
namespace {

// The keys a code field lets through besides the digits: the caret keys, and the
// control characters that edit (the others are handled before).
bool CodeFieldKey(int key) {
    switch (key) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;
        default:
            return key >= Qt::Key_0 && key <= Qt::Key_9;
    }
}

}  // namespace

FieldKey FieldKeyOf(int key, Qt::KeyboardModifiers modifiers, bool digits_only) {
    using enum FieldKeyAction;
    if (const ListMove move = ListMoveOf(key, modifiers); move != ListMove::kNone) {
        return {kMove, move};
    }
    if ((modifiers & Qt::ControlModifier) != 0) {
        if (key == Qt::Key_Left) return {kCaretToStart};
        if (key == Qt::Key_Right) return {kCaretToEnd};
        return {kCommand};
    }
    switch (key) {
        case Qt::Key_Tab:
            return {(modifiers & Qt::ShiftModifier) != 0 ? kPreviousField : kNextField};
        case Qt::Key_Backtab:
            return {kPreviousField};
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {kEnter};
        case Qt::Key_Escape:
            return {kEscape};
        default:
            break;
    }
    if (digits_only && !CodeFieldKey(key)) return {kSwallow};
    if (key == Qt::Key_Backspace && modifiers == Qt::NoModifier) return {kBackspace};
    if (key == Qt::Key_Delete && modifiers == Qt::NoModifier) return {kDelete};
    return {kEdit};
}

}  // namespace vendarion
