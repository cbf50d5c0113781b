#include "ui/field_link.h"

#include <QItemSelectionModel>
#include <QTreeView>

#include "base/ascii_text.h"
#include "search/row_entry.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"

namespace vendarion {
namespace {

bool IsDigitsField(InputField field) {
    return field == InputField::kPostalCode || field == InputField::kAreaCode;
}

// The field whose text positions the list of a type, and that the focused row fills.
bool FieldOfList(ListType type, InputField* field) {
    switch (type) {
        case ListType::kTowns:
        case ListType::kInternetTowns:
        case ListType::kStreets:
        case ListType::kHeadings:
        case ListType::kPostalCodes:
        case ListType::kInternetPostalCodes:
        case ListType::kAreaCodes:
        case ListType::kInternetAreaCodes:
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            *field = MainField(type);
            return true;
        default:
            break;
    }
    return false;
}

}  // namespace

FieldLink::FieldLink(ListController& lists, InputFields& inputs, QTreeView* view, QObject* parent)
    : QObject(parent), lists_(lists), inputs_(inputs) {
    connect(&lists_, &ListController::ListEntered, this, &FieldLink::OnListEntered);
    connect(&inputs_, &InputFields::Edited, this, &FieldLink::OnEdited);
    connect(&inputs_, &InputFields::Entered, this, &FieldLink::OnEntered);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentRowChanged(current.row()); });
}

void FieldLink::OnListEntered(ListType type) {
    taken_.fill(false);
    InputField field;
    if (FieldOfList(type, &field)) Position(field);
}

void FieldLink::Position(InputField field) {
    taken_[static_cast<int>(field)] = lists_.PositionAt(inputs_.Text(field), IsDigitsField(field));
}

void FieldLink::Complete(InputField field) {
    Position(field);
    const int row = lists_.FocusedRow();
    if (TakenFromList(field) && row >= 0) {
        inputs_.SetSuggestion(field, TrimBlanks(lists_.RowText(row, 0)));
    }
}

void FieldLink::OnEdited(InputField field) {
    taken_[static_cast<int>(field)] = false;
    const ListType type = lists_.Type();
    InputField list_field;
    if (FieldOfList(type, &list_field) && list_field == field) {
        Complete(field);
        return;
    }
    if (type != ListType::kNames) return;
    if (field == InputField::kName && lists_.ShowsWholeBook()) {
        lists_.SelectRow(lists_.Sources().For(type).FindRow(inputs_.Text(field)));
        return;
    }
    lists_.Searches().StartSearch();
}

void FieldLink::OnEntered(InputField field) {
    switch (lists_.Type()) {
        case ListType::kNames:
            if (field == InputField::kStreet) {
                lists_.ShowList(ListType::kStreets, true);
            } else if (field == InputField::kHeading) {
                lists_.ShowList(ListType::kHeadings, true);
            } else {
                emit SearchRequested();
            }
            return;
        case ListType::kStreets:
        case ListType::kHeadings: {
            const InputField back =
                lists_.Type() == ListType::kStreets ? InputField::kStreet : InputField::kHeading;
            lists_.ShowList(ListType::kNames, false);
            inputs_.FocusField(back);
            return;
        }
        case ListType::kInternet:
            emit SearchRequested();
            return;
        default:
            emit OpenRequested();
            return;
    }
}

void FieldLink::OnCurrentRowChanged(int row) {
    if (lists_.ChangingSelection() || row < 0) return;
    const ListType type = lists_.Type();
    InputField field;
    if (FieldOfList(type, &field)) {
        Fill(field, row, true);
    } else if (type == ListType::kNames && lists_.ShowsWholeBook() &&
               lists_.RowText(row, kLevelColumn).empty()) {
        Fill(InputField::kName, row, false);
    }
}

void FieldLink::Fill(InputField field, int row, bool taken) {
    inputs_.SetSuggestion(field, TrimBlanks(lists_.RowText(row, 0)));
    taken_[static_cast<int>(field)] = taken;
}

}  // namespace vendarion
