// The phone-book commands "Hinzufügen" and "Entfernen" without their window: which
// records go in or out, what is saved and which message follows. The window reads
// the selected rows, asks the questions and shows the messages.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "personal/entry_store.h"
#include "store/subscriber_entry.h"

namespace vendarion {

// At most this many rows are added at once.
inline constexpr int kMaxRowsToAdd = 75;

namespace phone_book_message {
inline constexpr int kTooManyToAdd = 1315;  // exclamation icon
inline constexpr int kAddedOne = 1510;      // information icon
inline constexpr int kAddedMany = 1511;     // information icon, argument: selected rows
inline constexpr int kRemoveOne = 1512;     // question, Yes/No, No as default
inline constexpr int kRemoveMany = 1513;    // question, Yes/No, No as default
}  // namespace phone_book_message

struct AddOutcome {
    int message = 0;   // string-table number to show
    int argument = 0;  // its %i argument, when it has one
    bool saved = false;
};

// Inserts the entries read from the selected rows (rows that could not be read are
// left out of entries) with an empty note text and value -1, then saves the store to
// path. selected_rows counts every selected row; more than kMaxRowsToAdd adds nothing.
// No duplicate check: an entry already stored is added again.
AddOutcome AddToPhoneBook(EntryStore& store, const std::string& path, int selected_rows,
                          std::span<const SubscriberEntry> entries);

// The question to ask before removing the given number of selected rows.
int RemoveQuestion(int selected_rows);

struct RemoveOutcome {
    int select_row = -1;  // row to select in the rebuilt list; -1 when the list is empty
    bool saved = false;
};

// Removes the selected positions (in list order) from the highest down, stopping at
// the first that fails, and saves the store to path. The row to select afterwards is
// the first formerly selected position, or the last row when that is past the end.
RemoveOutcome RemoveFromPhoneBook(EntryStore& store, const std::string& path,
                                  std::vector<int> positions);

}  // namespace vendarion
