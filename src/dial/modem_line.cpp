#include "dial/modem_line.h"

#include <cctype>

#include "dial/at_reply.h"
#include "dial/modem_settings.h"

namespace vendarion {

std::int32_t ModemLine::Open() {
    Close();
    const ModemSettings modem = ReadModemSettings(settings_, modem_.port);
    if (!port_.Open(modem_.port, modem.speed)) return line_error::kResourceUnavail;
    if (!modem.init.empty() &&
        SendAtCommand(port_, modem.init, timeouts_.init).Result() != AtResult::kOk) {
        port_.Close();
        return line_error::kOperationFailed;
    }
    return 0;
}

std::string ModemLine::DialCommand(std::string_view dialable) {
    std::string command = "ATDT";
    for (const char c : dialable) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((c >= '0' && c <= '9') || (upper >= 'A' && upper <= 'D') || c == '*' || c == '#' ||
            c == ',' || upper == 'W' || c == '!' || c == '@') {
            command += upper;
        }
    }
    command += ';';
    return command;
}

std::int32_t ModemLine::MakeCall(std::string_view dialable) {
    if (!port_.IsOpen()) return line_error::kOperationFailed;
    const std::string command = DialCommand(dialable);
    // A dial command without digits would only take the line off-hook.
    if (command.size() == 5) return line_error::kInvalAddress;
    if (SendAtCommand(port_, command, timeouts_.dial).Result() != AtResult::kOk) {
        return line_error::kCallUnavail;
    }
    if (++last_request_ <= 0) last_request_ = 1;
    return last_request_;
}

void ModemLine::Close() {
    if (!port_.IsOpen()) return;
    (void)SendAtCommand(port_, "ATH", timeouts_.hang_up);
    port_.Close();
}

bool ModemLine::Identify(std::int32_t speed, std::string* answer) {
    const bool was_open = port_.IsOpen();
    if (!was_open && !port_.Open(modem_.port, speed)) return false;
    const AtReply reply = SendAtCommand(port_, "ATI", timeouts_.query);
    if (!was_open) port_.Close();
    if (reply.Result() != AtResult::kOk) return false;
    answer->clear();
    for (const std::string& line : reply.Lines()) {
        if (!answer->empty()) *answer += '\n';
        *answer += line;
    }
    return true;
}

}  // namespace vendarion
