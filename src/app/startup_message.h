// Start-up's message boxes: a string of the table, shown with OK alone or asked
// with OK and Cancel (Cancel the default).
#pragma once

#include <string_view>

#include "base/messages.h"

namespace vendarion {

void ShowStartupMessage(Messages& messages, int id, MessageIcon icon);
// The text of id with its "%s" replaced by argument.
void ShowStartupMessage(Messages& messages, int id, std::string_view argument, MessageIcon icon);
MessageAnswer AskStartupQuestion(Messages& messages, int id, MessageIcon icon);

}  // namespace vendarion
