#include "ui/command_rules.h"

#include "ui/input_field.h"
#include "ui/list_types.h"

namespace vendarion {
namespace {

bool In(ListType type, std::initializer_list<ListType> types) {
    for (const ListType candidate : types) {
        if (type == candidate) return true;
    }
    return false;
}

}  // namespace

bool CommandEnabled(int command, const CommandContext& context) {
    using enum ListType;
    const bool some = context.selected > 0;
    const bool one = context.selected == 1;
    const bool entries = In(context.type, {kNames, kInternet, kPhoneBook, kNotes});
    switch (command) {
        case command::kExport:
        case command::kPrint:
        case command::kPrintPreview:
            return entries && some;
        case command::kAddToPhoneBook:
            return context.phone_book && In(context.type, {kNames, kInternet, kNotes}) && some;
        case command::kRemoveFromPhoneBook:
            return context.phone_book && context.type == kPhoneBook && some;
        case command::kCreateNote:
            return context.notes && In(context.type, {kNames, kInternet, kPhoneBook}) && one;
        case command::kRemoveNote:
        case command::kOpenNote:
            return context.notes && context.type == kNotes && one;
        case command::kDial:
            return entries && one;
        case command::kNeighbourhood:
            return context.type == kNames && one;
        case command::kGo:
            if (context.type == kTowns) return context.rows > 0;
            return !context.searching &&
                   In(context.type, {kNames, kInternet, kInternetTowns, kInternetPostalCodes,
                                     kInternetAreaCodes, kInternetSurnames});
        case command::kCancel:
            return context.searching;
        case command::kTownNames:
            return context.has_town;
        case command::kTownStreets:
        case command::kTownHeadings:
            return context.has_town && !context.multi_town;
        case command::kMarkAllTowns:
            return context.type == kTowns && context.rows > 0;
        case command::kClearFields:
            return !In(context.type, {kNone, kTown, kPhoneBook, kNotes});
        default:
            break;
    }
    return true;
}

bool CommandChecked(int command, const CommandContext& context) {
    switch (command) {
        case command::kToolbar:
            return context.toolbar;
        case command::kDetailedView:
            return context.detailed;
        default:
            break;
    }
    if (const int flag = InputFlagOf(command); flag != 0) return (context.input_flags & flag) != 0;
    // The place commands name the plain or the Internet list by the mode, so each is
    // marked in both.
    const std::optional<ListType> list = CommandList(command, context.type);
    return list && context.type == *list;
}

int InputFlagOf(int command) {
    switch (command) {
        case command::kTownField:
            return FieldBit(InputField::kTown);
        case command::kPostalCodeField:
            return FieldBit(InputField::kPostalCode);
        case command::kAreaCodeField:
            return FieldBit(InputField::kAreaCode);
        case command::kNameField:
            return FieldBit(InputField::kName);
        case command::kStreetField:
            return FieldBit(InputField::kStreet);
        case command::kHeadingField:
            return FieldBit(InputField::kHeading);
        default:
            return 0;
    }
}

std::optional<ListType> CommandList(int command, ListType current) {
    const bool internet = IsInternetMode(current);
    using enum ListType;
    switch (command) {
        case command::kSearch:
            return kNone;
        case command::kInternet:
            return kInternet;
        case command::kTowns:
            return internet ? kInternetTowns : kTowns;
        case command::kPostalCodes:
            return internet ? kInternetPostalCodes : kPostalCodes;
        case command::kAreaCodes:
            return internet ? kInternetAreaCodes : kAreaCodes;
        case command::kSurnames:
            return internet ? kInternetSurnames : kSurnames;
        case command::kTownNames:
            return kNames;
        case command::kTownStreets:
            return kStreets;
        case command::kTownHeadings:
            return kHeadings;
        case command::kCountryCodes:
            return kCountryCodes;
        case command::kBankCodes:
            return kBankCodes;
        case command::kPhoneBook:
            return kPhoneBook;
        case command::kNotes:
            return kNotes;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace vendarion
