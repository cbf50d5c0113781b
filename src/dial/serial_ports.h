// The serial ports a modem may sit on: the ttyS, ttyUSB and ttyACM devices that
// the kernel lists under /sys/class/tty, as paths under /dev, in name order with
// numbers compared by value (ttyS2 before ttyS10). A ttyS entry whose UART type is
// 0 has no hardware behind it and is left out.
#pragma once

#include <string>
#include <vector>

namespace vendarion {

std::vector<std::string> FindSerialPorts(const std::string& class_folder = "/sys/class/tty",
                                         const std::string& device_folder = "/dev");

}  // namespace vendarion
