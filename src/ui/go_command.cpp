#include "ui/go_command.h"

#include "base/ascii_text.h"
#include "base/fold_text.h"
#include "base/messages.h"
#include "resources/string_table.h"
#include "ui/field_link.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/list_types.h"
#include "ui/navigation_tree.h"

namespace vendarion {
namespace {

constexpr int kUnknownTown = 1301;
constexpr int kUnknownPostalCode = 1302;
constexpr int kUnknownAreaCode = 1303;
constexpr int kUnknownSurname = 1304;
constexpr int kNoPostalCode = 1310;
constexpr int kNoAreaCode = 1311;
constexpr int kNoTown = 1312;
constexpr int kSearchMarkedTowns = 1504;
constexpr int kSurnameNotInTown = 1507;

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

void GoCommand::Go() {
    switch (lists_.Type()) {
        case ListType::kTowns:
            if (lists_.SelectedCount() > 1) {
                SetUpTownSet();
            } else {
                OpenRow();
            }
            return;
        case ListType::kInternetTowns:
        case ListType::kInternetPostalCodes:
        case ListType::kInternetAreaCodes:
        case ListType::kInternetSurnames:
            lists_.ShowList(ListType::kInternet, false);
            lists_.Searches().StartSearch(SearchStart::kByCommand);
            return;
        case ListType::kInternet:
        case ListType::kNames:
            lists_.Searches().StartSearch(SearchStart::kByCommand);
            return;
        default:
            return;
    }
}

void GoCommand::OpenRow() {
    switch (lists_.Type()) {
        case ListType::kTowns:
        case ListType::kInternetTowns:
            OpenTown();
            return;
        case ListType::kPostalCodes:
        case ListType::kInternetPostalCodes:
        case ListType::kAreaCodes:
        case ListType::kInternetAreaCodes:
            OpenCode(lists_.Type());
            return;
        case ListType::kStreets:
        case ListType::kHeadings: {
            // The names take over the focused street or heading as their criterion.
            const InputField field = MainField(lists_.Type());
            if (const int row = lists_.FocusedRow(); row >= 0) {
                inputs_.SetText(field, TrimBlanks(lists_.RowText(row, 0)));
            }
            lists_.ShowList(ListType::kNames, false);
            inputs_.FocusField(field);
            return;
        }
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            OpenSurname();
            return;
        default:
            return;
    }
}

void GoCommand::OpenTown() {
    const int row = lists_.FocusedRow();
    const bool internet = IsInternetMode(lists_.Type());
    if (!link_.TakenFromList(InputField::kTown) && !internet) {
        inputs_.FocusField(InputField::kTown);
        const std::string typed = inputs_.Text(InputField::kTown);
        if (typed.empty()) {
            Tell(kNoTown);
        } else if (!lists_.Sources().Towns().Filtered()) {
            Tell(kUnknownTown, typed);
        } else if (messages_.Show({kSurnameNotInTown, FormatString(kSurnameNotInTown, typed),
                                   MessageIcon::kQuestion, MessageButtons::kYesNo,
                                   MessageAnswer::kYes}) == MessageAnswer::kYes) {
            inputs_.SetText(InputField::kName, {});
            lists_.ShowTownsUnfiltered();
            link_.Position(InputField::kTown);
        }
        return;
    }
    if (row < 0) return;
    FoundTown(lists_.Sources().Towns().Book(row), std::string(TrimBlanks(lists_.RowText(row, 0))));
}

void GoCommand::OpenCode(ListType type) {
    const bool postal = type == ListType::kPostalCodes || type == ListType::kInternetPostalCodes;
    const InputField field = postal ? InputField::kPostalCode : InputField::kAreaCode;
    const int row = lists_.FocusedRow();
    if (!link_.TakenFromList(field) && !IsInternetMode(type)) {
        const std::string typed = inputs_.Text(field);
        if (typed.empty()) {
            Tell(postal ? kNoPostalCode : kNoAreaCode);
        } else {
            Tell(postal ? kUnknownPostalCode : kUnknownAreaCode, typed);
        }
        return;
    }
    if (row < 0) return;
    PlaceRows& rows = postal ? lists_.Sources().PostalCodes() : lists_.Sources().AreaCodes();
    FoundTown(rows.Book(row), std::string(TrimBlanks(lists_.RowText(row, 1))));
}

void GoCommand::FoundTown(int book, const std::string& name) {
    if (IsInternetMode(lists_.Type())) {
        lists_.ShowList(ListType::kInternet, false);
        tree_.setFocus();
        return;
    }
    if (book < 0) return;
    lists_.ChooseTown(book, name);
    lists_.ShowList(ListType::kNames, true);
}

void GoCommand::OpenSurname() {
    if (IsInternetMode(lists_.Type())) {
        lists_.ShowList(ListType::kInternet, false);
        tree_.setFocus();
        return;
    }
    const std::string typed = inputs_.Text(InputField::kName);
    if (!link_.TakenFromList(InputField::kName)) {
        if (!typed.empty()) {
            Tell(kUnknownSurname, typed);
            return;
        }
        inputs_.SetText(InputField::kName, {});
    } else if (const int row = lists_.FocusedRow(); row >= 0) {
        const std::string surname = lists_.RowText(row, 0);
        if (LowerAscii(surname) != LowerAscii(typed)) inputs_.SetText(InputField::kName, surname);
    }
    lists_.ShowList(ListType::kTowns, true);
    lists_.SelectAllRows();
}

void GoCommand::SetUpTownSet() {
    const std::vector<int> rows = lists_.SelectedRows();
    if (rows.size() < 2) return;
    const int count = static_cast<int>(rows.size());
    if (messages_.Show({kSearchMarkedTowns, FormatString(kSearchMarkedTowns, count),
                        MessageIcon::kQuestion, MessageButtons::kYesNo, MessageAnswer::kYes}) !=
        MessageAnswer::kYes) {
        return;
    }
    // The set of an earlier combination is replaced only now: declining keeps it.
    std::vector<int> books;
    for (const int row : rows) books.push_back(lists_.Sources().Towns().Book(row));
    if (lists_.ChooseTowns(books)) {
        lists_.ShowList(ListType::kNames, true);
        return;
    }
    // The marked rows name one book only (two rows of one town): that town opens.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (books[i] < 0) continue;
        FoundTown(books[i], std::string(TrimBlanks(lists_.RowText(rows[i], 0))));
        return;
    }
}

void GoCommand::Tell(int id, const std::string& argument) {
    messages_.Show({id, FormatString(id, argument), MessageIcon::kExclamation, MessageButtons::kOk,
                    MessageAnswer::kOk});
}

}  // namespace vendarion
