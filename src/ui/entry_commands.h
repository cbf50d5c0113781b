// The commands on the selected entries of a list: adding them to the personal phone
// book and removing them from it, the neighbourhood search of one entry (every entry
// of the town in its street), dialling, printing and exporting. Each first stops a
// running search. A phone book that cannot be saved is reported, and the book stays
// as the user sees it.
#pragma once

#include <string>
#include <vector>

#include "store/subscriber_entry.h"
#include "ui/dial_command.h"
#include "ui/print_command.h"
#include "ui/window_services.h"

class QWidget;

namespace vendarion {

class InputFields;
class ListController;

class EntryCommands {
public:
    // window: the parent of the dialogs.
    EntryCommands(ListController& lists, InputFields& inputs, const WindowServices& services,
                  QWidget* window);

    // The selected rows of the names of a town, the Internet result or the desktop
    // notes go into the phone book.
    void AddToPhoneBook();
    // The selected rows of the phone book leave it, after a question.
    void RemoveFromPhoneBook();
    void NeighbourhoodSearch();
    // The one selected entry, when it is the focused row.
    void Dial();
    // title: the title of the shown list.
    void Print(bool preview, const std::string& title);
    void Export();

    // The street of a street cell ("Hauptstr.  5"): blanks trimmed, cut before the
    // first double blank.
    static std::string StreetOfCell(const std::string& cell);

private:
    // The entries of the selected rows, in row order, when there are at most limit of
    // them (nothing is read otherwise); rows that cannot be read are left out.
    std::vector<SubscriberEntry> SelectedEntries(int selected, int limit);
    void Tell(int id, int number = 0);

    ListController& lists_;
    InputFields& inputs_;
    WindowServices services_;
    QWidget* window_;
    DialCommand dial_;
    PrintCommand print_;
};

}  // namespace vendarion
