// The input panels above the list: Ort, Name (with Vorname and the name search
// mode), Postleitzahl, Straße, Vorwahl and Branche, each a label and its edit. They
// stand two to a row in that order while the width takes two, else one to a row;
// hidden panels leave no gap. Tab and Shift+Tab go round the shown, enabled fields;
// Vorname follows Name, and the name panel entered backwards is entered at Vorname.
// A right click on a panel or between them asks for the fields menu.
#pragma once

#include <QPoint>
#include <array>

#include "ui/input_fields.h"

class QGridLayout;
class QMenu;

namespace vendarion {

class FieldEdit;
class NamePanel;

class InputPanels final : public InputFields {
    Q_OBJECT

public:
    explicit InputPanels(QWidget* parent = nullptr);

    std::string Text(InputField field) const override;
    void SetText(InputField field, std::string_view text) override;
    void SetSuggestion(InputField field, std::string_view text) override;
    void SetEnabledFields(int mask, bool first_name_allowed) override;
    void SetVisibleFields(int mask) override;
    void SetCutOnDelete(int mask) override;
    NameMode Mode() const override;
    void SetMode(NameMode mode) override;
    void FocusField(InputField field) override;
    bool HasFocus(InputField field) const override;
    void ShowModeMenu() override;

    FieldEdit* Edit(InputField field) const { return edits_[static_cast<int>(field)]; }
    // The panel a field stands in (the name panel for Name and Vorname).
    QWidget* Panel(InputField field) const;
    NamePanel* Names() const { return names_; }
    // Panels to a row in the present layout: 1 or 2.
    int Columns() const { return columns_; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* MakePanel(InputField field, int label_id, int label_width);
    void Connect(FieldEdit* edit);
    // Puts the shown panels into rows for a width.
    void Relayout(int width);
    void FocusNext(InputField from, bool backwards);
    bool Usable(InputField field) const;

    std::array<FieldEdit*, kInputFieldCount> edits_{};
    // The panels in the order they are laid out.
    std::array<QWidget*, 6> panels_{};
    NamePanel* names_ = nullptr;
    QGridLayout* grid_ = nullptr;
    int visible_mask_ = 0;
    int columns_ = 0;
    // What the present layout was made for.
    int laid_out_width_ = -1;
    int laid_out_mask_ = -1;
};

}  // namespace vendarion
