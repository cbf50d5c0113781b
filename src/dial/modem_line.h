// A voice modem on a serial line as a line device. Opening the line opens the port
// at the speed of the line's settings and sends its init string; a call is a voice
// dial ("ATDT<number>;"), after which the modem stays off-hook in command mode for
// the handset; closing hangs up ("ATH") and releases the port. The port is held
// only while the line is open. User-interface thread only.
#pragma once

#include <string>

#include "base/settings.h"
#include "dial/line_device.h"
#include "dial/modem_probe.h"
#include "dial/serial_port.h"

namespace vendarion {

class ModemLine final : public LineDevice {
public:
    ModemLine(Settings& settings, ProbedModem modem, const ModemTimeouts& timeouts)
        : settings_(settings), modem_(std::move(modem)), timeouts_(timeouts) {}

    LineCaps Caps() const override { return modem_.caps; }
    [[nodiscard]] std::int32_t Open() override;
    [[nodiscard]] std::int32_t MakeCall(std::string_view dialable) override;
    void Close() override;
    ModemLine* Modem() override { return this; }

    const std::string& Port() const { return modem_.port; }
    // Sends "ATI" (opening the port for it at the speed when the line is closed) and
    // gives the modem's information lines, one per line. False when the port cannot
    // be opened or the modem does not answer OK.
    [[nodiscard]] bool Identify(std::int32_t speed, std::string* answer);

    // The digits and dial modifiers of a number that a voice dial carries (0-9, A-D,
    // *, #, the pause ',', and W ! @); everything else is dropped, so that nothing in
    // a number can end the command or start another.
    static std::string DialCommand(std::string_view dialable);

private:
    Settings& settings_;
    ProbedModem modem_;
    ModemTimeouts timeouts_;
    SerialPort port_;
    std::int32_t last_request_ = 0;
};

}  // namespace vendarion
