#include "ui/entry_commands.h"

#include <QApplication>
#include <vector>

#include "base/ascii_text.h"
#include "base/messages.h"
#include "personal/personal_stores.h"
#include "personal/phone_book_commands.h"
#include "resources/string_table.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"

namespace vendarion {
namespace {

constexpr int kNoStreet = 1313;
constexpr int kSearchStreet = 1506;
constexpr int kPhoneBookNotSaved = 1341;
constexpr int kStreetColumn = 3;

// The wait cursor while the object lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

MessageIcon IconOf(int id) {
    using namespace phone_book_message;
    return id == kAddedOne || id == kAddedMany ? MessageIcon::kInformation
                                               : MessageIcon::kExclamation;
}

}  // namespace

std::string EntryCommands::StreetOfCell(const std::string& cell) {
    const std::string trimmed(TrimBlanks(cell));
    return trimmed.substr(0, trimmed.find("  "));
}

void EntryCommands::AddToPhoneBook() {
    (void)lists_.Searches().CancelSearch();
    EntryStore* store = services_.stores.phone_book.get();
    const std::vector<int> rows = lists_.SelectedRows();
    if (store == nullptr || rows.empty()) return;
    AddOutcome outcome;
    {
        const WaitCursor waiting;
        std::vector<SubscriberEntry> entries;
        if (static_cast<int>(rows.size()) <= kMaxRowsToAdd) {
            for (const int row : rows) {
                if (std::optional<SubscriberEntry> entry = lists_.RowEntry(row)) {
                    entries.push_back(std::move(*entry));
                }
            }
        }
        outcome = vendarion::AddToPhoneBook(*store, services_.stores.phone_book_path,
                                            static_cast<int>(rows.size()), entries);
    }
    const bool added = outcome.message != phone_book_message::kTooManyToAdd;
    // A book that was not saved is not reported as kept.
    Tell(added && !outcome.saved ? kPhoneBookNotSaved : outcome.message, outcome.argument);
}

void EntryCommands::RemoveFromPhoneBook() {
    (void)lists_.Searches().CancelSearch();
    EntryStore* store = services_.stores.phone_book.get();
    const std::vector<int> rows = lists_.SelectedRows();
    if (store == nullptr || rows.empty() || lists_.Type() != ListType::kPhoneBook) return;
    const int question = RemoveQuestion(static_cast<int>(rows.size()));
    if (services_.messages.Show({question, std::string(LoadString(question)),
                                 MessageIcon::kQuestion, MessageButtons::kYesNo,
                                 MessageAnswer::kNo}) != MessageAnswer::kYes) {
        return;
    }
    RemoveOutcome outcome;
    {
        const WaitCursor waiting;
        outcome = vendarion::RemoveFromPhoneBook(*store, services_.stores.phone_book_path, rows);
        lists_.ReloadRows();
        lists_.SelectRow(outcome.select_row);
        lists_.RefreshCountText();
    }
    if (!outcome.saved) Tell(kPhoneBookNotSaved);
}

void EntryCommands::NeighbourhoodSearch() {
    (void)lists_.Searches().CancelSearch();
    const std::vector<int> rows = lists_.SelectedRows();
    if (lists_.Type() != ListType::kNames || rows.size() != 1) return;
    const std::string street = StreetOfCell(lists_.RowText(rows.front(), kStreetColumn));
    if (street.empty()) {
        Tell(kNoStreet);
        return;
    }
    if (services_.messages.Show({kSearchStreet, FormatString(kSearchStreet, street),
                                 MessageIcon::kQuestion, MessageButtons::kYesNo,
                                 MessageAnswer::kYes}) != MessageAnswer::kYes) {
        return;
    }
    inputs_.SetText(InputField::kName, {});
    inputs_.SetText(InputField::kFirstName, {});
    inputs_.SetText(InputField::kStreet, street);
    inputs_.SetText(InputField::kHeading, {});
    lists_.Searches().StartSearch(SearchStart::kByCommand);
}

void EntryCommands::Tell(int id, int number) {
    if (id == 0) return;
    const std::string text = number != 0 ? FormatString(id, number) : std::string(LoadString(id));
    services_.messages.Show({id, text, IconOf(id), MessageButtons::kOk, MessageAnswer::kOk});
}

}  // namespace vendarion
