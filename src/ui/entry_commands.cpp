#include "ui/entry_commands.h"

#include <QApplication>
#include <vector>

#include "base/ascii_text.h"
#include "base/messages.h"
#include "output/export_handover.h"
#include "personal/personal_stores.h"
#include "personal/phone_book_commands.h"
#include "resources/string_table.h"
#include "ui/carrier_notice_dialog.h"
#include "ui/export_command.h"
#include "ui/input_fields.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/list_types.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kNoStreet = 1313;
constexpr int kSearchStreet = 1506;
constexpr int kPhoneBookNotSaved = 1341;
// The cells of an entry row.
constexpr int kHeadingColumn = 2;
constexpr int kStreetColumn = 3;
constexpr int kAreaCodeColumn = 4;
constexpr int kNumberColumn = 5;
constexpr int kPostalCodeColumn = 6;
constexpr int kTownColumn = 7;
constexpr int kDisplayNameColumn = 8;
constexpr int kCallAdditionColumn = 9;

MessageIcon IconOf(int id) {
    using namespace phone_book_message;
    return id == kAddedOne || id == kAddedMany ? MessageIcon::kInformation
                                               : MessageIcon::kExclamation;
}

}  // namespace

EntryCommands::EntryCommands(ListController& lists, InputFields& inputs,
                             const WindowServices& services, QWidget* window)
    : lists_(lists),
      inputs_(inputs),
      services_(services),
      window_(window),
      dial_(services.settings, services.messages, services.audio, services.lines,
            [window] {
                CarrierNoticeDialog notice(window);
                notice.exec();
                return notice.ResultCode();
            }),
      print_(window, services.messages, services.printers) {}

std::string EntryCommands::StreetOfCell(const std::string& cell) {
    const std::string trimmed(TrimBlanks(cell));
    return trimmed.substr(0, trimmed.find("  "));
}

void EntryCommands::AddToPhoneBook() {
    (void)lists_.Searches().CancelSearch();
    EntryStore* store = services_.stores.phone_book.get();
    const int selected = lists_.SelectedCount();
    if (store == nullptr || selected == 0) return;
    AddOutcome outcome;
    {
        const WaitCursor waiting;
        const std::vector<SubscriberEntry> entries = SelectedEntries(selected, kMaxRowsToAdd);
        outcome =
            vendarion::AddToPhoneBook(*store, services_.stores.phone_book_path, selected, entries);
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

void EntryCommands::Dial() {
    (void)lists_.Searches().CancelSearch();
    const std::vector<int> rows = lists_.SelectedRows();
    const int row = lists_.FocusedRow();
    if (!IsEntryList(lists_.Type()) || rows.size() != 1 || rows.front() != row) return;
    dial_.Run(lists_.RowText(row, kAreaCodeColumn), lists_.RowText(row, kNumberColumn));
}

void EntryCommands::Print(bool preview, const std::string& title) {
    (void)lists_.Searches().CancelSearch();
    if (!IsEntryList(lists_.Type())) return;
    // More rows than may go are not read: they are refused at once.
    if (lists_.SelectedCount() > kMaxPrintRows) {
        Tell(kMoreThanMaxPrintRows);
        return;
    }
    std::vector<PrintRow> rows;
    for (const int row : lists_.SelectedRows()) {
        const auto cell = [this, row](int column) { return lists_.RowText(row, column); };
        rows.push_back({cell(kDisplayNameColumn), cell(kHeadingColumn), cell(kStreetColumn),
                        cell(kPostalCodeColumn), cell(kTownColumn), cell(kCallAdditionColumn),
                        cell(kAreaCodeColumn), cell(kNumberColumn)});
    }
    if (preview) {
        print_.Preview(rows, title);
    } else {
        print_.Print(rows, title);
    }
}

void EntryCommands::Export() {
    (void)lists_.Searches().CancelSearch();
    if (!IsEntryList(lists_.Type())) return;
    const int selected = lists_.SelectedCount();
    const std::vector<SubscriberEntry> entries = SelectedEntries(selected, kMaxExportRows);
    // Rows that could not be read are not counted as exported.
    const int count = selected > kMaxExportRows ? selected : static_cast<int>(entries.size());
    ExportCommand(window_, services_.settings, services_.messages, services_.files)
        .Run(entries, count);
}

std::vector<SubscriberEntry> EntryCommands::SelectedEntries(int selected, int limit) {
    std::vector<SubscriberEntry> entries;
    // More rows than may go are not read: they are refused.
    if (selected > limit) return entries;
    for (const int row : lists_.SelectedRows()) {
        if (std::optional<SubscriberEntry> entry = lists_.RowEntry(row)) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

void EntryCommands::Tell(int id, int number) {
    if (id == 0) return;
    const std::string text = number != 0 ? FormatString(id, number) : std::string(LoadString(id));
    services_.messages.Show({id, text, IconOf(id), MessageButtons::kOk, MessageAnswer::kOk});
}

}  // namespace vendarion
