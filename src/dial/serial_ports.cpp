#include "dial/serial_ports.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace vendarion {
namespace {

constexpr std::array<std::string_view, 3> kKinds{"ttyS", "ttyUSB", "ttyACM"};

// The kind's prefix of a device name, and its number; false for other devices.
bool SplitName(std::string_view name, std::string_view* kind, unsigned long* number) {
    for (const std::string_view prefix : kKinds) {
        if (name.substr(0, prefix.size()) != prefix || name.size() == prefix.size() ||
            name.size() > prefix.size() + 6) {
            continue;
        }
        const std::string_view digits = name.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string_view::npos) continue;
        *kind = prefix;
        *number = std::stoul(std::string(digits));
        return true;
    }
    return false;
}

bool HasNoUart(const std::filesystem::path& entry) {
    std::ifstream type(entry / "type");
    int value = -1;
    return type >> value && value == 0;
}

}  // namespace

std::vector<std::string> FindSerialPorts(const std::string& class_folder,
                                         const std::string& device_folder) {
    struct Port {
        std::string_view kind;
        unsigned long number = 0;
        std::string name;
    };
    std::vector<Port> ports;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(class_folder, error)) {
        Port port;
        port.name = entry.path().filename().string();
        if (!SplitName(port.name, &port.kind, &port.number)) continue;
        if (port.kind == "ttyS" && HasNoUart(entry.path())) continue;
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const Port& a, const Port& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.number < b.number;
    });
    std::vector<std::string> paths;
    for (const Port& port : ports) paths.push_back(device_folder + "/" + port.name);
    return paths;
}

}  // namespace vendarion
