// Finds the modems on serial ports: every port is asked "AT" at once and waited for
// together, so ports that never answer cost one short timeout in all; each port
// that answers is then asked for its classes (voice is class 8) and its maker and
// model. Ports that cannot be opened are skipped. User-interface thread.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "base/settings.h"
#include "dial/line_device.h"

namespace vendarion {

// How long the modem layer waits for each answer.
struct ModemTimeouts {
    std::chrono::milliseconds probe{75};    // the first "AT", all ports together
    std::chrono::milliseconds query{500};   // each later question while probing
    std::chrono::milliseconds init{2000};   // the init string when a line opens
    std::chrono::milliseconds dial{15000};  // the voice dial until the modem answers
    std::chrono::milliseconds hang_up{500};
};

struct ProbedModem {
    std::string port;
    LineCaps caps;
};

// The ports that answered "AT" with OK, in the order given, each probed at the
// speed its settings name.
std::vector<ProbedModem> ProbeModems(Settings& settings, const std::vector<std::string>& ports,
                                     const ModemTimeouts& timeouts);

// True when the answer to "AT+FCLASS=?" lists class 8 ("0,1,8", "(0-2,8)").
bool OffersVoice(const std::vector<std::string>& classes);
// The maker and the model, one blank between; control characters become blanks.
// Empty when the modem said neither.
std::string ModemName(const std::vector<std::string>& maker, const std::vector<std::string>& model);

}  // namespace vendarion
