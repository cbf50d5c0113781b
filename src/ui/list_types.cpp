#include "ui/list_types.h"

#include <array>

namespace vendarion {
namespace {

constexpr int kTown = FieldBit(InputField::kTown);
constexpr int kName = FieldBit(InputField::kName);
constexpr int kPostal = FieldBit(InputField::kPostalCode);
constexpr int kStreet = FieldBit(InputField::kStreet);
constexpr int kArea = FieldBit(InputField::kAreaCode);
constexpr int kHeading = FieldBit(InputField::kHeading);
constexpr int kAll = kTown | kName | kPostal | kStreet | kArea | kHeading;
constexpr int kNamesOfTown = kName | kStreet | kHeading;

constexpr std::array<ListTypeInfo, kListTypeCount> kInfo = {{
    {2101, "", 0, false, false, false},                      // 0 search
    {2102, "Ort", kTown | kName, true, false, true},         // 1 towns
    {2103, "", 0, false, false, false},                      // 2 the town
    {2104, "OrtName", kNamesOfTown, true, true, true},       // 3 names in the town
    {2105, "OrtStrasse", kNamesOfTown, false, false, true},  // 4 streets
    {2106, "OrtBranche", kNamesOfTown, false, false, true},  // 5 headings
    {2107, "PLZ", kPostal, false, false, true},              // 6 postal codes
    {2108, "Vorwahl", kArea, false, false, true},            // 7 area codes
    {2109, "Name", kName, false, false, true},               // 8 surnames
    {2111, "Internet", kAll, true, true, true},              // 9 Internet
    {2102, "Ort", kAll, true, false, true},                  // 10
    {2107, "PLZ", kAll, false, false, true},                 // 11
    {2108, "Vorwahl", kAll, false, false, true},             // 12
    {2109, "Name", kAll, false, false, true},                // 13
    {2112, "AuslandVorwahl", 0, false, true, true},          // 14 foreign codes
    {2113, "BLZ", 0, false, true, true},                     // 15 bank codes
    {2110, "Telefonbuch", 0, true, true, true},              // 16 phone book
    {2114, "Memolet", 0, true, true, true},                  // 17 desktop notes
}};

}  // namespace

const ListTypeInfo& InfoOf(ListType type) {
    const int index = static_cast<int>(type);
    return kInfo[index >= 0 && index < kListTypeCount ? index : 0];
}

bool IsInternetMode(ListType type) {
    return type >= ListType::kInternet && type <= ListType::kInternetSurnames;
}

bool IsEntryList(ListType type) {
    return type == ListType::kNames || type == ListType::kInternet ||
           type == ListType::kPhoneBook || type == ListType::kNotes;
}

bool IsSearchList(ListType type) {
    return type == ListType::kNames || type == ListType::kInternet ||
           type == ListType::kCountryCodes || type == ListType::kBankCodes;
}

bool AllowsFirstName(ListType type) {
    return (type >= ListType::kNames && type <= ListType::kHeadings) ||
           type == ListType::kInternet || type == ListType::kInternetTowns;
}

InputField MainField(ListType type) {
    switch (type) {
        case ListType::kNames:
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            return InputField::kName;
        case ListType::kStreets:
            return InputField::kStreet;
        case ListType::kHeadings:
            return InputField::kHeading;
        case ListType::kPostalCodes:
        case ListType::kInternetPostalCodes:
            return InputField::kPostalCode;
        case ListType::kAreaCodes:
        case ListType::kInternetAreaCodes:
            return InputField::kAreaCode;
        default:
            break;
    }
    return InputField::kTown;
}

}  // namespace vendarion
