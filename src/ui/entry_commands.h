// The commands on the selected entries of a list: adding them to the personal phone
// book and removing them from it, and the neighbourhood search of one entry (every
// entry of the town in its street). Each first stops a running search. A phone book
// that cannot be saved is reported, and the book stays as the user sees it.
#pragma once

#include <string>

#include "ui/window_services.h"

namespace vendarion {

class InputFields;
class ListController;

class EntryCommands {
public:
    EntryCommands(ListController& lists, InputFields& inputs, const WindowServices& services)
        : lists_(lists), inputs_(inputs), services_(services) {}

    // The selected rows of the names of a town, the Internet result or the desktop
    // notes go into the phone book.
    void AddToPhoneBook();
    // The selected rows of the phone book leave it, after a question.
    void RemoveFromPhoneBook();
    void NeighbourhoodSearch();

    // The street of a street cell ("Hauptstr.  5"): blanks trimmed, cut before the
    // first double blank.
    static std::string StreetOfCell(const std::string& cell);

private:
    void Tell(int id, int number = 0);

    ListController& lists_;
    InputFields& inputs_;
    WindowServices services_;
};

}  // namespace vendarion
