#include "search/row_entry.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "base/ascii_text.h"
#include "search/result_line.h"

namespace vendarion {

std::int32_t LevelOfCell(std::string_view text) {
    std::int64_t level = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        level = level * 10 + (c - '0');
        if (level > std::numeric_limits<std::int32_t>::max()) {
            return std::numeric_limits<std::int32_t>::max();
        }
    }
    return static_cast<std::int32_t>(level);
}

bool EntryFromRow(std::span<const std::string_view> cells, SubscriberEntry* entry) {
    if (cells.size() < static_cast<std::size_t>(kEntryRowColumns)) return false;
    constexpr EntryField kColumnFields[] = {
        EntryField::kName,         EntryField::kFirstName, EntryField::kHeading,
        EntryField::kStreet,       EntryField::kAreaCode,  EntryField::kPhoneNumber,
        EntryField::kPostalCode,   EntryField::kTown,      EntryField::kDisplayName,
        EntryField::kCallAddition,
    };
    *entry = SubscriberEntry{};
    for (std::size_t column = 0; column < std::size(kColumnFields); ++column) {
        (*entry)[kColumnFields[column]] = std::string(TrimBlanks(cells[column]));
    }
    entry->level = LevelOfCell(TrimBlanks(cells[kLevelColumn]));
    return true;
}

bool EntryFromResultLine(std::string_view line, SubscriberEntry* entry) {
    std::array<std::string_view, kEntryRowColumns> cells;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const std::size_t separator = line.find(kFieldSeparator);
        if (separator == std::string_view::npos && column + 1 < cells.size()) return false;
        cells[column] = line.substr(0, separator);
        if (separator != std::string_view::npos) line.remove_prefix(separator + 1);
    }
    return EntryFromRow(cells, entry);
}

SubscriberEntry EntryFromShownEntry(const SubscriberEntry& shown) {
    std::array<std::string, kEntryRowColumns> texts;
    std::array<std::string_view, kEntryRowColumns> cells;
    for (std::size_t column = 0; column < texts.size(); ++column) {
        texts[column] = EntryCellText(shown, static_cast<int>(column));
        cells[column] = texts[column];
    }
    SubscriberEntry entry;
    if (!EntryFromRow(cells, &entry)) return {};
    return entry;
}

}  // namespace vendarion
