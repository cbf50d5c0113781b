// The settings of the directory server, from its environment (a web server passes
// them on: lighttpd's setenv or bin-environment, a systemd unit's Environment=).
#pragma once

#include <cstddef>
#include <string>

#include "net/cursor_cache.h"
#include "net/directory_server.h"

namespace vendarion {

struct ServerOptions {
    std::string data_folder;  // VENDARION_DATA: the folder of the four archives
    int workers = 0;          // VENDARION_WORKERS: threads; 0 for one per core
    CacheLimits cache;        // VENDARION_CACHE_ENTRIES, VENDARION_CACHE_MB, VENDARION_CACHE_IDLE_S
    ServerLimits limits;      // VENDARION_MAX_VISITS, VENDARION_MAX_MS: the work cap
};

// The options from the environment; a variable that is missing or not a whole
// decimal number leaves its default.
ServerOptions OptionsFromEnvironment();

}  // namespace vendarion
