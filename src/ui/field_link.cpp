#include "ui/field_link.h"

#include <QItemSelectionModel>
#include <QTreeView>

#include "base/ascii_text.h"
#include "search/row_entry.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/list_types.h"

namespace vendarion {
namespace {

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

// The criteria of the last Internet query, so that none of them is sent again.
void ForgetInternetQuery(SearchInputs& inputs) {
    inputs.texts = {};
    inputs.town_text.clear();
    inputs.postal_code_text.clear();
    inputs.area_code_text.clear();
}

}  // namespace

FieldLink::FieldLink(ListController& lists, InputFields& inputs, QTreeView* view, QObject* parent)
    : QObject(parent), lists_(lists), inputs_(inputs) {
    connect(&lists_, &ListController::ListEntered, this, &FieldLink::OnListEntered);
    connect(&inputs_, &InputFields::Edited, this, &FieldLink::OnEdited);
    connect(&inputs_, &InputFields::Entered, this, &FieldLink::OnEntered);
    connect(&inputs_, &InputFields::Entering, this, &FieldLink::OnEntering);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentRowChanged(current.row()); });
}

void FieldLink::OnListEntered(ListType type) {
    taken_.fill(false);
    InputField field;
    if (FieldOfList(type, &field)) Position(field);
}

void FieldLink::Position(InputField field) {
    // Typing into the town field ends a choice of several towns.
    if (lists_.Type() == ListType::kTowns && lists_.SelectedCount() >= 2) {
        lists_.SelectRow(lists_.FocusedRow());
    }
    taken_[static_cast<int>(field)] = lists_.PositionAt(inputs_.Text(field), IsCodeField(field));
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
            if (field == InputField::kTown) {
                lists_.ShowList(ListType::kInternetTowns, true);
            } else if (field == InputField::kName || field == InputField::kStreet ||
                       field == InputField::kHeading) {
                emit TreeFocusRequested();
            } else {
                emit SearchRequested();
            }
            return;
        default:
            emit OpenRequested();
            return;
    }
}

void FieldLink::OnEntering(InputField field) {
    // The focus may have gone on before this arrives; and a list switch that moves it
    // again does not run the rules a second time.
    if (entering_ || !inputs_.HasFocus(field)) return;
    entering_ = true;
    const ListType type = lists_.Type();
    const bool name = field == InputField::kName || field == InputField::kFirstName;
    if (IsInternetMode(type)) {
        EnterInternetField(field);
    } else if (type == ListType::kTowns && field == InputField::kName) {
        // The name is searched in the typed town, or over the country without one.
        if (inputs_.Text(InputField::kTown).empty()) {
            lists_.ShowList(ListType::kSurnames, false);
        } else {
            emit OpenRequested();
        }
    } else if (type == ListType::kNames || type == ListType::kStreets ||
               type == ListType::kHeadings) {
        if (name) {
            lists_.ShowList(ListType::kNames, false);
        } else if (field == InputField::kStreet && type == ListType::kHeadings) {
            lists_.ShowList(ListType::kStreets, false);
        } else if (field == InputField::kHeading && type == ListType::kStreets) {
            lists_.ShowList(ListType::kHeadings, false);
        }
    }
    entering_ = false;
}

void FieldLink::EnterInternetField(InputField field) {
    (void)lists_.Searches().CancelSearch();
    switch (field) {
        case InputField::kTown:
            lists_.ShowList(ListType::kInternetTowns, false);
            return;
        case InputField::kName:
            lists_.ShowList(ListType::kInternetSurnames, false);
            return;
        case InputField::kPostalCode:
            lists_.ShowList(ListType::kInternetPostalCodes, false);
            return;
        case InputField::kAreaCode:
            lists_.ShowList(ListType::kInternetAreaCodes, false);
            return;
        default:
            lists_.ShowList(ListType::kInternet, false);
            return;
    }
}

void FieldLink::ClearFields() {
    const ListType type = lists_.Type();
    const auto clear = [this](std::initializer_list<InputField> fields) {
        for (const InputField field : fields) inputs_.SetText(field, {});
    };
    using enum InputField;
    switch (type) {
        case ListType::kTowns:
            clear({kTown, kName});
            lists_.ShowTownsUnfiltered();
            Position(kTown);
            break;
        case ListType::kNames:
            if (inputs_.Text(kName).empty() && inputs_.Text(kFirstName).empty() &&
                inputs_.Text(kStreet).empty() && inputs_.Text(kHeading).empty()) {
                return;
            }
            clear({kName, kFirstName, kStreet, kHeading});
            lists_.Searches().StartSearch(SearchStart::kByCommand);
            lists_.SelectRow(0);
            break;
        case ListType::kInternet:
            (void)lists_.Searches().CancelSearch();
            clear({kTown, kPostalCode, kAreaCode, kName, kFirstName, kStreet, kHeading});
            ForgetInternetQuery(lists_.Control().Inputs());
            break;
        case ListType::kCountryCodes:
        case ListType::kBankCodes:
            lists_.ClearSearchText();
            break;
        default: {
            InputField field;
            if (!FieldOfList(type, &field)) return;
            clear({field});
            Position(field);
            break;
        }
    }
    lists_.FocusMainField(type);
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
