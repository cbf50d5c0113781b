// "Go!" and the opening of a list row: the town, postal code or area code of the
// focused row becomes the current town and its names are listed; a street or
// heading goes back to the names; a surname lists the towns whose books hold it,
// all marked; several marked towns start a search in all of them. Input that is
// not in the data ends with its message.
#pragma once

#include <string>

#include "search/list_type.h"

namespace vendarion {

class FieldLink;
class InputFields;
class ListController;
class Messages;
class NavigationTree;

class GoCommand {
public:
    GoCommand(ListController& lists, FieldLink& link, InputFields& inputs, Messages& messages,
              NavigationTree& tree)
        : lists_(lists), link_(link), inputs_(inputs), messages_(messages), tree_(tree) {}

    // Command "Go!".
    void Go();
    // Opens the focused row (double click, Enter in a field, "Go!" on one town).
    void OpenRow();

private:
    void OpenTown();
    void OpenCode(ListType type);
    void OpenSurname();
    void FoundTown(int book, const std::string& name);
    void SetUpTownSet();
    void Tell(int id, const std::string& argument = {});

    ListController& lists_;
    FieldLink& link_;
    InputFields& inputs_;
    Messages& messages_;
    NavigationTree& tree_;
};

}  // namespace vendarion
