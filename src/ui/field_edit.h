// The edit of one input field. It turns keys into the field's actions (FieldKeyOf):
// the navigation keys, Tab, Enter, Esc and the Ctrl keys are reported, not edited;
// Backspace after a completion takes the completed part and the last typed
// character; Delete first cuts the selection to the clipboard while the list asks
// for it (the Internet lists). Text set by the program reports no edit. The town and
// name fields remember the selection of their last completion and restore it once
// when they are entered again. User-interface thread only.
#pragma once

#include <QLineEdit>
#include <string_view>

#include "ui/input_field.h"
#include "ui/navigation_keys.h"

namespace vendarion {

class FieldEdit final : public QLineEdit {
    Q_OBJECT

public:
    FieldEdit(InputField field, QWidget* parent);

    InputField Field() const { return field_; }
    // Sets the text as the program: no Edited follows.
    void SetProgramText(const QString& text);
    // Completes the field from a text of the list: the same text puts the caret at
    // the end; a text that the typed one is a folded prefix of keeps what was typed
    // (with the first letter of the suggestion) and adds the rest, selected; any
    // other text replaces it, wholly selected.
    void Suggest(std::string_view suggestion);
    void SetCutOnDelete(bool on) { cut_on_delete_ = on; }
    bool CutOnDelete() const { return cut_on_delete_; }
    void ForgetCompletion() { remembered_length_ = 0; }

signals:
    // The user changed the text.
    void Edited();
    // The field gained the focus as the user moves through the window (not when the
    // window itself is activated again).
    void Entering();
    void Entered();
    void Escaped();
    void TabPressed(bool backwards);
    void MoveRequested(vendarion::ListMove move);
    // A Ctrl key other than those of the caret and the list.
    void CommandKey(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // True when the key was handled here and the edit does not see it.
    bool HandleKey(QKeyEvent* key);

    InputField field_;
    bool notify_ = true;
    bool cut_on_delete_ = false;
    int remembered_start_ = 0;
    int remembered_length_ = 0;
};

}  // namespace vendarion
