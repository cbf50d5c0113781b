// The input fields as plain one-line edits, two to a row in the order Ort, Name
// (with Vorname and the search mode), Postleitzahl, Straße, Vorwahl, Branche. They
// complete what the window suggests for a typed text. Postal and area
// codes take digits only, the other fields the characters of Windows-1252. The
// navigation keys move the list's selection instead of the caret; Tab goes round
// the usable fields.
#pragma once

#include <array>

#include "ui/input_fields.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;

namespace vendarion {

class PlainInputFields final : public InputFields {
    Q_OBJECT

public:
    explicit PlainInputFields(QWidget* parent = nullptr);

    std::string Text(InputField field) const override;
    void SetText(InputField field, std::string_view text) override;
    void SetSuggestion(InputField field, std::string_view text) override;
    void SetEnabledFields(int mask, bool first_name_allowed) override;
    void SetVisibleFields(int mask) override;
    NameMode Mode() const override;
    void SetMode(NameMode mode) override;
    void FocusField(InputField field) override;

    // For tests: the edit of a field.
    QLineEdit* Edit(InputField field) const { return edits_[static_cast<int>(field)]; }
    QComboBox* ModeBox() const { return mode_box_; }

protected:
    // Turns the navigation keys of an edit into MoveRequested; Backspace after a
    // completion takes the completed part and the last typed character.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tab and Shift+Tab: the next or previous visible, enabled field in the order
    // Ort, Name, Postleitzahl, Straße, Vorwahl, Branche, cyclically; Vorname
    // follows Name, and the Name field entered backwards is entered at Vorname.
    void FocusNext(InputField from, bool backwards);
    bool Usable(InputField field) const;
    // Ctrl+Left and Ctrl+Right put the caret at the start or the end; the other
    // Ctrl keys are left to the window's commands. True when the key was handled.
    bool HandleControlKey(QLineEdit* edit, QKeyEvent* key);
    QWidget* MakeRow(InputField field, int label_id);
    QWidget* MakeNameRow();

    std::array<QLineEdit*, kInputFieldCount> edits_{};
    std::array<QWidget*, kInputFieldCount> rows_{};
    QComboBox* mode_box_ = nullptr;
    QLabel* mode_label_ = nullptr;
    QLabel* first_name_label_ = nullptr;
};

}  // namespace vendarion
