// Message boxes as a service: the program shows them with the toolkit, tests answer
// them from a script and record what was shown. Texts are Windows-1252. Called from
// the user-interface thread only.
#pragma once

#include <string>

namespace vendarion {

enum class MessageIcon { kNone, kStop, kExclamation, kInformation, kQuestion };
enum class MessageButtons { kOk, kOkCancel, kYesNo };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

struct Message {
    int id = 0;        // the string id of the text
    std::string text;  // formatted, Windows-1252
    MessageIcon icon = MessageIcon::kNone;
    MessageButtons buttons = MessageButtons::kOk;
    // The button that Enter chooses: the first one (OK, Yes) unless this names the
    // second one.
    MessageAnswer default_answer = MessageAnswer::kOk;
};

class Messages {
public:
    virtual ~Messages() = default;
    // Shows the message modally and returns the button chosen. Closing the box
    // without a button counts as Cancel, or as No for a Yes/No question, or as OK
    // for a box with OK alone.
    virtual MessageAnswer Show(const Message& message) = 0;
};

}  // namespace vendarion
