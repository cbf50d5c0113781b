#include "personal/phone_book_commands.h"

#include <algorithm>
#include <functional>

namespace vendarion {

AddOutcome AddToPhoneBook(EntryStore& store, const std::string& path, int selected_rows,
                          std::span<const SubscriberEntry> entries) {
    if (selected_rows > kMaxRowsToAdd) return {phone_book_message::kTooManyToAdd, 0, false};
    for (const SubscriberEntry& entry : entries) store.Insert(entry, "", -1);
    const bool saved = store.Save(path) == 0;
    if (selected_rows == 1) return {phone_book_message::kAddedOne, 0, saved};
    return {phone_book_message::kAddedMany, selected_rows, saved};
}

int RemoveQuestion(int selected_rows) {
    return selected_rows == 1 ? phone_book_message::kRemoveOne : phone_book_message::kRemoveMany;
}

RemoveOutcome RemoveFromPhoneBook(EntryStore& store, const std::string& path,
                                  std::vector<int> positions) {
    if (positions.empty()) return {};
    const int first_selected = positions.front();
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const int position : positions) {
        if (store.RemoveAt(position) != 0) break;
    }
    RemoveOutcome outcome;
    outcome.saved = store.Save(path) == 0;
    outcome.select_row = std::min(first_selected, store.Count() - 1);
    return outcome;
}

}  // namespace vendarion
