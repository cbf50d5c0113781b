#include "ui/field_edit.h"

#include <QKeyEvent>

#include "base/fold_text.h"
#include "ui/field_keys.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

bool RemembersCompletion(InputField field) {
    return field == InputField::kTown || field == InputField::kName;
}

}  // namespace

FieldEdit::FieldEdit(InputField field, QWidget* parent) : QLineEdit(parent), field_(field) {
    // A right click opens the fields menu of the panels; the edit's own menu would
    // cut, copy and paste, which these fields leave to the window's commands.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!notify_) return;
        remembered_length_ = 0;
        emit Edited();
    });
}

void FieldEdit::SetProgramText(const QString& text) {
    notify_ = false;
    setText(text);
    notify_ = true;
}

void FieldEdit::Suggest(std::string_view suggestion) {
    const std::string typed = FromQString(text());
    if (typed == suggestion) {
        end(false);
        return;
    }
    std::string rest;
    int start = 0;
    if (!suggestion.empty() && CompleteFromPrefix(typed, suggestion, &rest)) {
        // What was typed stays, with the case of the suggestion's first letter.
        std::string completed = typed + rest;
        if (!completed.empty()) completed[0] = suggestion.front();
        SetProgramText(ToQString(completed));
        start = static_cast<int>(ToQString(typed).size());
    } else {
        SetProgramText(ToQString(suggestion));
    }
    const int length = static_cast<int>(text().size()) - start;
    setSelection(start, length);
    if (RemembersCompletion(field_)) {
        remembered_start_ = start;
        remembered_length_ = length;
    }
}

bool FieldEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (FieldKeyOf(key->key(), key->modifiers(), IsCodeField(field_)).action) {
            case FieldKeyAction::kCommand:
                // The window's command takes the key; the edit's own shortcut (cut,
                // copy, paste, undo) never does.
                key->ignore();
                return true;
            case FieldKeyAction::kEscape:
            case FieldKeyAction::kMove:
            case FieldKeyAction::kCaretToStart:
            case FieldKeyAction::kCaretToEnd:
                // These are the field's, also where a command has the same key (Esc
                // cancels a search, and the field does that too).
                key->accept();
                return true;
            default:
                break;
        }
    } else if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QLineEdit::event(event);
}

bool FieldEdit::HandleKey(QKeyEvent* key) {
    const FieldKey what = FieldKeyOf(key->key(), key->modifiers(), IsCodeField(field_));
    switch (what.action) {
        case FieldKeyAction::kEdit:
            return false;
        case FieldKeyAction::kSwallow:
            break;
        case FieldKeyAction::kMove:
            emit MoveRequested(what.move);
            break;
        case FieldKeyAction::kCaretToStart:
            home(false);
            break;
        case FieldKeyAction::kCaretToEnd:
            end(false);
            break;
        case FieldKeyAction::kCommand:
            emit CommandKey(key->key(), key->modifiers());
            break;
        case FieldKeyAction::kNextField:
        case FieldKeyAction::kPreviousField:
            emit TabPressed(what.action == FieldKeyAction::kPreviousField);
            break;
        case FieldKeyAction::kEnter:
            emit Entered();
            break;
        case FieldKeyAction::kEscape:
            emit Escaped();
            break;
        case FieldKeyAction::kBackspace:
            // After a completion this takes the completed part and the last typed
            // character, so that the lookup completes the shorter text again.
            if (hasSelectedText() && selectionStart() > 0) {
                const int start = selectionStart() - 1;
                setSelection(start, selectionEnd() - start);
            }
            return false;
        case FieldKeyAction::kDelete:
            if (!cut_on_delete_ || !hasSelectedText()) return false;
            // The selection goes to the clipboard, and the text that stays is not
            // looked up. The cut is the deletion: nothing more goes.
            notify_ = false;
            cut();
            notify_ = true;
            break;
    }
    key->accept();
    return true;
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    // The window coming back, or a menu closing, does not enter the field.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    const int length = remembered_length_;
    remembered_length_ = 0;
    if (reason != Qt::MouseFocusReason) {
        // A click puts the caret where it points; otherwise the last completion is
        // selected again, once, or the caret goes to the end.
        const int size = static_cast<int>(text().size());
        if (length > 0 && remembered_start_ + length <= size) {
            setSelection(remembered_start_, length);
        } else if (RemembersCompletion(field_) || field_ == InputField::kFirstName) {
            end(false);
        }
    }
    emit Entering();
}

}  // namespace vendarion
