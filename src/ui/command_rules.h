// The main window's commands by id: when each is enabled and marked, and which list
// the commands of "Wechseln zu" switch to.
#pragma once

#include <optional>

#include "search/list_type.h"

namespace vendarion {

namespace command {
inline constexpr int kExit = 40001;
inline constexpr int kDetailedView = 40013;
inline constexpr int kGo = 40020;
inline constexpr int kTowns = 40021;
inline constexpr int kPostalCodes = 40022;
inline constexpr int kAreaCodes = 40023;
inline constexpr int kSurnames = 40024;
inline constexpr int kPhoneBook = 40028;
inline constexpr int kTownNames = 40029;
inline constexpr int kTownStreets = 40030;
inline constexpr int kTownHeadings = 40031;
inline constexpr int kInternet = 40034;
inline constexpr int kCountryCodes = 40035;
inline constexpr int kBankCodes = 40036;
inline constexpr int kSearch = 40038;
inline constexpr int kCancel = 40039;
inline constexpr int kMarkAllTowns = 40048;
inline constexpr int kNotes = 40053;
inline constexpr int kToolbar = 59392;
}  // namespace command

struct CommandContext {
    ListType type = ListType::kNone;
    int rows = 0;
    bool searching = false;   // a search runs
    bool has_town = false;    // a town (or a combination of towns) is chosen
    bool multi_town = false;  // the combination
    bool toolbar = true;
    bool detailed = true;
};

bool CommandEnabled(int command, const CommandContext& context);
bool CommandChecked(int command, const CommandContext& context);
// The list a command of "Wechseln zu" shows; nothing for other commands.
std::optional<ListType> CommandList(int command, ListType current);

}  // namespace vendarion
