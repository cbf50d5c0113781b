// The main window's commands by id: when each is enabled and marked, and which list
// the commands of "Wechseln zu" switch to.
#pragma once

#include <optional>

#include "search/list_type.h"

namespace vendarion {

namespace command {
inline constexpr int kExit = 40001;
inline constexpr int kAbout = 40004;
// The six "Eingabefelder" switches, Ort to Branche as the menu lists them.
inline constexpr int kTownField = 40005;
inline constexpr int kPostalCodeField = 40006;
inline constexpr int kAreaCodeField = 40007;
inline constexpr int kNameField = 40008;
inline constexpr int kStreetField = 40009;
inline constexpr int kHeadingField = 40010;
inline constexpr int kOptions = 40012;
inline constexpr int kDetailedView = 40013;
inline constexpr int kDial = 40014;
inline constexpr int kAddToPhoneBook = 40017;
inline constexpr int kRemoveFromPhoneBook = 40018;
inline constexpr int kExport = 40019;
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
inline constexpr int kCreateNote = 40041;
inline constexpr int kRemoveNote = 40042;
inline constexpr int kNeighbourhood = 40043;
inline constexpr int kClearFields = 40044;
inline constexpr int kMarkAllTowns = 40048;
inline constexpr int kSearchAssistant = 40050;
inline constexpr int kTips = 40051;
inline constexpr int kNotes = 40053;
inline constexpr int kOpenNote = 40054;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kHelp = 57666;
inline constexpr int kToolbar = 59392;
}  // namespace command

struct CommandContext {
    ListType type = ListType::kNone;
    int rows = 0;
    int selected = 0;         // selected rows
    bool phone_book = false;  // the phone book store exists
    bool notes = false;       // the desktop-note store exists
    bool searching = false;   // a search runs
    bool has_town = false;    // a town (or a combination of towns) is chosen
    bool multi_town = false;  // the combination
    bool toolbar = true;
    bool detailed = true;
    int input_flags = 0;  // the visible input fields, FieldBit of each
};

bool CommandEnabled(int command, const CommandContext& context);
bool CommandChecked(int command, const CommandContext& context);
// The bit of the input field a command of "Eingabefelder" shows or hides (FieldBit
// of the field); 0 for other commands.
int InputFlagOf(int command);
// The list a command of "Wechseln zu" shows; nothing for other commands.
std::optional<ListType> CommandList(int command, ListType current);

}  // namespace vendarion
