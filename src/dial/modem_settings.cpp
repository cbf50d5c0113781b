#include "dial/modem_settings.h"

namespace vendarion {
namespace {

std::string SettingName(std::string_view prefix, std::string_view port) {
    const std::size_t slash = port.rfind('/');
    std::string name(prefix);
    name += ':';
    name += slash == std::string_view::npos ? port : port.substr(slash + 1);
    return name;
}

}  // namespace

const std::vector<std::int32_t>& ModemSpeeds() {
    static const std::vector<std::int32_t> kSpeeds{9600, 19200, 38400, 57600, 115200, 230400};
    return kSpeeds;
}

ModemSettings ReadModemSettings(Settings& settings, std::string_view port) {
    const ModemSettings defaults;
    ModemSettings modem;
    modem.speed = settings.ReadNumber(SettingName("ModemSpeed", port), defaults.speed);
    modem.init = settings.ReadText(SettingName("ModemInit", port), defaults.init);
    return modem;
}

bool WriteModemSettings(Settings& settings, std::string_view port, const ModemSettings& modem) {
    const bool speed = settings.WriteNumber(SettingName("ModemSpeed", port), modem.speed);
    const bool init = settings.WriteText(SettingName("ModemInit", port), modem.init);
    return speed && init;
}

}  // namespace vendarion
