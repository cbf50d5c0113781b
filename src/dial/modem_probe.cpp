#include "dial/modem_probe.h"

#include <poll.h>

#include <cerrno>
#include <charconv>
#include <memory>

#include "base/ascii_text.h"
#include "dial/at_reply.h"
#include "dial/modem_settings.h"
#include "dial/serial_port.h"

namespace vendarion {
namespace {

constexpr std::string_view kAttention = "AT";

struct PendingProbe {
    std::string port;
    std::unique_ptr<SerialPort> line = std::make_unique<SerialPort>();
    AtReply reply{kAttention};
};

// Opens every port and sends "AT" to each; ports that fail are left out.
std::vector<PendingProbe> StartProbes(Settings& settings, const std::vector<std::string>& ports,
                                      SerialPort::Clock::time_point deadline) {
    std::vector<PendingProbe> probes;
    for (const std::string& port : ports) {
        PendingProbe probe;
        probe.port = port;
        if (!probe.line->Open(port, ReadModemSettings(settings, port).speed)) continue;
        probe.line->DiscardInput();
        if (!probe.line->Write("AT\r", deadline)) continue;
        probes.push_back(std::move(probe));
    }
    return probes;
}

// Reads the answers of all probes together until each is complete or the deadline.
void AwaitProbes(std::vector<PendingProbe>& probes, SerialPort::Clock::time_point deadline) {
    for (;;) {
        std::vector<pollfd> waiting;
        std::vector<PendingProbe*> owners;
        for (PendingProbe& probe : probes) {
            if (probe.reply.Result() != AtResult::kPending) continue;
            waiting.push_back({probe.line->Fd(), POLLIN, 0});
            owners.push_back(&probe);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - SerialPort::Clock::now());
        if (waiting.empty() || left.count() <= 0) break;
        const int ready = poll(waiting.data(), waiting.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) break;
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            if (waiting[i].revents == 0) continue;
            std::string bytes;
            if (owners[i]->line->Read(&bytes, SerialPort::Clock::now())) {
                owners[i]->reply.Feed(bytes);
            } else {
                owners[i]->reply.TimeOut();
            }
        }
    }
    for (PendingProbe& probe : probes) probe.reply.TimeOut();
}

// The information lines of a question, or none when the modem refused it.
std::vector<std::string> Ask(SerialPort& line, std::string_view command,
                             std::chrono::milliseconds timeout) {
    AtReply reply = SendAtCommand(line, command, timeout);
    if (reply.Result() != AtResult::kOk) return {};
    return reply.Lines();
}

// The first line of an answer without the "+GMI:" a modem may put before it.
std::string_view AnswerText(const std::vector<std::string>& lines) {
    if (lines.empty()) return {};
    std::string_view text = lines.front();
    if (text.size() > 5 && text[0] == '+' && text[4] == ':') text.remove_prefix(5);
    return TrimBlanks(text);
}

// A whole number that is all of the text.
bool ParseWhole(std::string_view text, int* value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return error == std::errc() && stop == end;
}

// One item of a class list: a class ("8", "2.0") or a range of whole classes ("0-8").
bool ItemHasVoice(std::string_view item) {
    if (item == "8") return true;
    const std::size_t dash = item.find('-');
    int low = 0;
    int high = 0;
    return dash != std::string_view::npos && ParseWhole(item.substr(0, dash), &low) &&
           ParseWhole(item.substr(dash + 1), &high) && low <= 8 && high >= 8;
}

bool ClassListHasVoice(std::string_view list) {
    for (;;) {
        const std::size_t comma = list.find(',');
        if (ItemHasVoice(TrimBlanks(list.substr(0, comma)))) return true;
        if (comma == std::string_view::npos) return false;
        list.remove_prefix(comma + 1);
    }
}

}  // namespace

bool OffersVoice(const std::vector<std::string>& classes) {
    for (const std::string& line : classes) {
        std::string list;
        for (const char c : line) {
            if (c != '(' && c != ')') list += c;
        }
        if (ClassListHasVoice(list)) return true;
    }
    return false;
}

std::string ModemName(const std::vector<std::string>& maker,
                      const std::vector<std::string>& model) {
    std::string name(AnswerText(maker));
    const std::string_view model_text = AnswerText(model);
    if (!name.empty() && !model_text.empty()) name += ' ';
    name += model_text;
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    }
    return name;
}

std::vector<ProbedModem> ProbeModems(Settings& settings, const std::vector<std::string>& ports,
                                     const ModemTimeouts& timeouts) {
    const SerialPort::Clock::time_point deadline = SerialPort::Clock::now() + timeouts.probe;
    std::vector<PendingProbe> probes = StartProbes(settings, ports, deadline);
    AwaitProbes(probes, deadline);
    std::vector<ProbedModem> modems;
    for (PendingProbe& probe : probes) {
        if (probe.reply.Result() != AtResult::kOk) continue;
        ProbedModem modem;
        modem.port = probe.port;
        modem.caps.interactive_voice = OffersVoice(Ask(*probe.line, "AT+FCLASS=?", timeouts.query));
        const std::vector<std::string> maker = Ask(*probe.line, "AT+GMI", timeouts.query);
        modem.caps.name = ModemName(maker, Ask(*probe.line, "AT+GMM", timeouts.query));
        modems.push_back(std::move(modem));
    }
    return modems;
}

}  // namespace vendarion
