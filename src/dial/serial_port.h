// A serial line opened for a modem: raw 8N1 at a chosen speed, non-blocking, not
// the controlling terminal, and held exclusively (a port that another program
// holds is refused). Every wait is bounded by the caller's deadline.
// One thread per object.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion {

class SerialPort {
public:
    using Clock = std::chrono::steady_clock;

    SerialPort() = default;
    ~SerialPort() { Close(); }
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // False when the port cannot be opened or set up, or is held by another program
    // (or by another SerialPort of this one). A speed the line does not know is
    // taken as 115200.
    [[nodiscard]] bool Open(const std::string& path, std::int32_t speed);
    bool IsOpen() const { return fd_ >= 0; }
    // Closing drops the modem's DTR, which hangs up a call.
    void Close();
    // The descriptor for polling; -1 when closed.
    int Fd() const { return fd_; }

    // Discards bytes that arrived and were not read.
    void DiscardInput();
    // Writes all bytes before the deadline; false on a timeout or an error.
    [[nodiscard]] bool Write(std::string_view bytes, Clock::time_point deadline);
    // Appends what has arrived, waiting until the deadline for the first byte.
    // False when nothing came in time, or the line failed or hung up.
    [[nodiscard]] bool Read(std::string* bytes, Clock::time_point deadline);

private:
    int fd_ = -1;
};

}  // namespace vendarion
