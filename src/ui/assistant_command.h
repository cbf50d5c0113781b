// The command "Suchassistent": stops a running search, runs the search assistant
// over the criteria remembered from its last finished run and, when the user
// finishes it, fills the input fields and starts the search: over the Internet, in
// the town chosen, or in the towns whose books hold the name (one town, or a
// combination of them). A name that no book holds starts nothing and is reported as
// unknown. The criteria live
// as long as this object, which lives as long as the main window.
#pragma once

#include "ui/assistant_criteria.h"

class QWidget;

namespace vendarion {

class DataSet;
class InputFields;
class ListController;
class Messages;

class AssistantCommand {
public:
    AssistantCommand(ListController& lists, InputFields& inputs, DataSet& data, Messages& messages,
                     QWidget* window)
        : lists_(lists), inputs_(inputs), data_(data), messages_(messages), window_(window) {}

    void Run();
    const AssistantCriteria& Criteria() const { return criteria_; }

private:
    void Search();
    void SearchInternet();
    // Shows the names of the current town (or combination) with the criteria's
    // name, first name and street.
    void ShowNames();

    ListController& lists_;
    InputFields& inputs_;
    DataSet& data_;
    Messages& messages_;
    QWidget* window_;
    AssistantCriteria criteria_;
};

}  // namespace vendarion
