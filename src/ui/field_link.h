// How the input fields and the list work together: a typed text positions the list
// that belongs to its field and completes the field from the row that starts with
// it (or starts the names search again), the row that gains the focus is written
// into its field as a suggestion, entering a field may switch the list (the
// Internet lists, the lists of a town, the names of the typed town), Enter opens the
// focused row, and "Eingabefelder löschen" empties the fields of the list. Also
// remembers whether a field's text was taken from the list, which opening a row
// asks.
#pragma once

#include <QObject>
#include <array>

class QTreeView;

#include "search/list_type.h"
#include "ui/input_field.h"

namespace vendarion {

class InputFields;
class ListController;

class FieldLink final : public QObject {
    Q_OBJECT

public:
    // view is the list view whose focused row fills the fields.
    FieldLink(ListController& lists, InputFields& inputs, QTreeView* view,
              QObject* parent = nullptr);

    // The text of the field was taken from the list (the user chose a row, or the
    // typed text starts a row).
    bool TakenFromList(InputField field) const { return taken_[static_cast<int>(field)]; }
    // Positions the shown list at the field's text; the text counts as taken from the
    // list when a row starts with it.
    void Position(InputField field);
    // "Eingabefelder löschen": empties the fields of the shown list and positions it
    // at its start (the names of a town are searched again).
    void ClearFields();

signals:
    // Enter in a field, or entering the name field in the town list, asks to open
    // the focused row; Enter asks to search in the names list.
    void OpenRequested();
    void SearchRequested();
    // Enter in some fields of the Internet search leaves them for the tree.
    void TreeFocusRequested();

private:
    void OnListEntered(ListType type);
    void OnEdited(InputField field);
    void OnEntered(InputField field);
    void OnEntering(InputField field);
    // Entering a field of the Internet search shows the list that belongs to it.
    void EnterInternetField(InputField field);
    void OnCurrentRowChanged(int row);
    // Positions the list at the typed text and completes the field from the row
    // that starts with it.
    void Complete(InputField field);
    void Fill(InputField field, int row, bool taken);

    ListController& lists_;
    InputFields& inputs_;
    std::array<bool, kInputFieldCount> taken_{};
    bool entering_ = false;
};

}  // namespace vendarion
