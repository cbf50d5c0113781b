// The settings of one modem line, kept under names that carry the port's device
// name ("ModemSpeed:ttyUSB0"), so that each port keeps its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"

namespace vendarion {

struct ModemSettings {
    std::int32_t speed = 115200;
    // Sent when the line is opened for a call; empty sends nothing.
    std::string init = "ATZ";
};

// The speeds a line can be set to, slowest first.
const std::vector<std::int32_t>& ModemSpeeds();

ModemSettings ReadModemSettings(Settings& settings, std::string_view port);
// False when a value could not be stored.
[[nodiscard]] bool WriteModemSettings(Settings& settings, std::string_view port,
                                      const ModemSettings& modem);

}  // namespace vendarion
