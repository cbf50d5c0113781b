#include "dial/line_discovery.h"

#include "dial/desktop_tel_line.h"
#include "dial/modem_line.h"

namespace vendarion {

std::vector<std::unique_ptr<LineDevice>> DiscoverLines(Settings& settings,
                                                       const std::vector<std::string>& ports,
                                                       UrlOpener* opener,
                                                       const ModemTimeouts& timeouts) {
    std::vector<std::unique_ptr<LineDevice>> devices;
    for (ProbedModem& modem : ProbeModems(settings, ports, timeouts)) {
        devices.push_back(std::make_unique<ModemLine>(settings, std::move(modem), timeouts));
    }
    if (opener != nullptr && opener->HasHandler("tel")) {
        devices.push_back(std::make_unique<DesktopTelLine>(*opener));
    }
    return devices;
}

}  // namespace vendarion
