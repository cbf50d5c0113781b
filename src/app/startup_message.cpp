#include "app/startup_message.h"

#include "resources/string_table.h"

namespace vendarion {

void ShowStartupMessage(Messages& messages, int id, MessageIcon icon) {
    messages.Show({id, std::string(LoadString(id)), icon, MessageButtons::kOk, MessageAnswer::kOk});
}

void ShowStartupMessage(Messages& messages, int id, std::string_view argument, MessageIcon icon) {
    messages.Show({id, FormatString(id, argument), icon, MessageButtons::kOk, MessageAnswer::kOk});
}

MessageAnswer AskStartupQuestion(Messages& messages, int id, MessageIcon icon) {
    return messages.Show(
        {id, std::string(LoadString(id)), icon, MessageButtons::kOkCancel, MessageAnswer::kCancel});
}

}  // namespace vendarion
