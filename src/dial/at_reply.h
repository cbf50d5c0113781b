// A modem's answer to one AT command: the information lines it sends, ended by a
// final result code. Lines end with CR or LF; empty lines and the echo of the
// command are skipped. Bytes after the final result are dropped.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

class SerialPort;

enum class AtResult {
    kPending,  // no final result yet
    kOk,
    kError,
    kNoCarrier,
    kBusy,
    kNoDialtone,
    kNoAnswer,
    kConnect,
    kTimeout,   // the final result did not come in time
    kOverlong,  // the answer ran past kMaxAnswerBytes
};

class AtReply {
public:
    // An answer longer than this is refused: no command of ours asks for more.
    static constexpr std::size_t kMaxAnswerBytes = 4096;

    explicit AtReply(std::string_view command) : command_(command) {}

    // Takes the next bytes from the modem; true once the answer is complete (a
    // final result came or the answer ran too long).
    bool Feed(std::string_view bytes);
    // Ends a pending answer as timed out.
    void TimeOut();

    AtResult Result() const { return result_; }
    // The information lines, in order.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void TakeLine(std::string_view line);

    std::string command_;
    std::string partial_;
    std::size_t fed_ = 0;
    std::vector<std::string> lines_;
    AtResult result_ = AtResult::kPending;
};

// Sends the command followed by CR and reads its answer until the final result or
// the timeout. Input that arrived before is discarded first.
AtReply SendAtCommand(SerialPort& port, std::string_view command,
                      std::chrono::milliseconds timeout);

}  // namespace vendarion
