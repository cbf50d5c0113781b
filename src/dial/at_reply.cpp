#include "dial/at_reply.h"

#include <array>
#include <utility>

#include "dial/serial_port.h"

namespace vendarion {
namespace {

AtResult FinalResult(std::string_view line) {
    static constexpr std::array<std::pair<std::string_view, AtResult>, 7> kFinal{{
        {"OK", AtResult::kOk},
        {"ERROR", AtResult::kError},
        {"NO CARRIER", AtResult::kNoCarrier},
        {"BUSY", AtResult::kBusy},
        {"NO DIALTONE", AtResult::kNoDialtone},
        {"NO DIAL TONE", AtResult::kNoDialtone},
        {"NO ANSWER", AtResult::kNoAnswer},
    }};
    for (const auto& [text, result] : kFinal) {
        if (line == text) return result;
    }
    if (line.substr(0, 7) == "CONNECT") return AtResult::kConnect;
    return AtResult::kPending;
}

}  // namespace

bool AtReply::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (result_ != AtResult::kPending) return true;
        if (++fed_ > kMaxAnswerBytes) {
            result_ = AtResult::kOverlong;
            return true;
        }
        if (c == '\r' || c == '\n') {
            TakeLine(partial_);
            partial_.clear();
        } else {
            partial_ += c;
        }
    }
    return result_ != AtResult::kPending;
}

void AtReply::TimeOut() {
    if (result_ == AtResult::kPending) result_ = AtResult::kTimeout;
}

void AtReply::TakeLine(std::string_view line) {
    if (line.empty() || line == command_) return;
    result_ = FinalResult(line);
    if (result_ == AtResult::kPending) lines_.emplace_back(line);
}

AtReply SendAtCommand(SerialPort& port, std::string_view command,
                      std::chrono::milliseconds timeout) {
    AtReply reply(command);
    const SerialPort::Clock::time_point deadline = SerialPort::Clock::now() + timeout;
    port.DiscardInput();
    std::string line(command);
    line += '\r';
    if (!port.Write(line, deadline)) {
        reply.TimeOut();
        return reply;
    }
    for (std::string bytes; port.Read(&bytes, deadline); bytes.clear()) {
        if (reply.Feed(bytes)) return reply;
    }
    reply.TimeOut();
    return reply;
}

}  // namespace vendarion
