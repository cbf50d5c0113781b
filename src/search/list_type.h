// The kinds of list the main window shows, one at a time. The list type fixes the
// list's title and columns, where its rows come from, which input fields are enabled
// and which count text the status line shows.
#pragma once

namespace vendarion {

enum class ListType : int {
    kNone = 0,            // "Suchen": no list
    kTowns = 1,           // the towns, or those whose book holds the typed surname
    kTown = 2,            // a chosen town or a combination of towns: no list
    kNames = 3,           // the whole book of the town, or the result of a name search
    kStreets = 4,         // the streets of the town's book
    kHeadings = 5,        // the trade headings of the town's book
    kPostalCodes = 6,     // the postal codes of the country
    kAreaCodes = 7,       // the area codes of the country
    kSurnames = 8,        // the surnames of the country
    kInternet = 9,        // the result of the last Internet search
    kInternetTowns = 10,  // the lists 10-13 help fill the fields of an Internet search
    kInternetPostalCodes = 11,
    kInternetAreaCodes = 12,
    kInternetSurnames = 13,
    kCountryCodes = 14,  // the foreign dialling codes, or a search result among them
    kBankCodes = 15,     // the bank sort codes, or a search result among them
    kPhoneBook = 16,     // the personal phone book
    kNotes = 17,         // the desktop notes
};

}  // namespace vendarion
