// The line devices of the run: a modem line for every port that answers like a
// modem (with or without voice), then the desktop's telephone program when the
// desktop has a program for tel: links.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/settings.h"
#include "dial/line_device.h"
#include "dial/modem_probe.h"
#include "dial/url_opener.h"

namespace vendarion {

// opener null: no desktop device.
std::vector<std::unique_ptr<LineDevice>> DiscoverLines(Settings& settings,
                                                       const std::vector<std::string>& ports,
                                                       UrlOpener* opener,
                                                       const ModemTimeouts& timeouts = {});

}  // namespace vendarion
