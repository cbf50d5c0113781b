// Turning a row of an entry list into a SubscriberEntry. Entry lists have the
// columns Name, Vorname, Branche, Straße, Vorwahl, Telefon, PLZ, Ort and the hidden
// columns display name, call addition and level; the cells come as displayed.
#pragma once

#include <cstdint>

#include <span>
#include <string_view>

#include "store/subscriber_entry.h"

namespace vendarion {

inline constexpr int kEntryRowColumns = 11;
// The hidden column of an entry row that holds its level (empty for a main entry).
inline constexpr int kLevelColumn = 10;

// A level cell read as an unsigned decimal up to its first other character; empty
// or not a number gives 0, a number beyond int32 the largest int32.
std::int32_t LevelOfCell(std::string_view cell);

// The entry a row carries: each cell trimmed of blanks at both ends; the street cell
// (street and house number as displayed) goes whole into the street field, the house
// number stays empty; the level cell is read as an unsigned decimal (empty or not a
// number gives 0). Name additions stay empty and the flag 0. False when the row has
// fewer than kEntryRowColumns cells.
[[nodiscard]] bool EntryFromRow(std::span<const std::string_view> cells, SubscriberEntry* entry);

// The entry a result list row carries: the eleven fields of a subscriber hit's line
// as the cells. False when the line has fewer fields (a bank or country line).
[[nodiscard]] bool EntryFromResultLine(std::string_view line, SubscriberEntry* entry);

// The entry a row shown from an entry carries (a whole-book row, a store row): what
// its cells give back, so the house number is joined to the street, a sub-entry's
// indentation dropped and the call addition shown beside the number.
SubscriberEntry EntryFromShownEntry(const SubscriberEntry& shown);

}  // namespace vendarion
