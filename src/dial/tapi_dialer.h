// The line dialler: enumerates the line devices that carry voice and places a voice
// call to a DialString on one of them. The devices are discovered once, on first
// use, and keep their identifiers (1, 2, ... in discovery order; 0 means "no line")
// for the whole run. At most one line is open: each dialling closes the line of the
// one before, and a refused call closes its line at once; an accepted call stays up
// for the handset until the next dialling. User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"
#include "dial/line_device.h"

namespace vendarion {

// A line the options offer: its name and device identifier.
struct DialLine {
    std::string name;
    std::int32_t device = 0;
};

using TapiLineList = std::vector<DialLine>;

// Finds the devices of the run.
using LineDiscovery = std::function<std::vector<std::unique_ptr<LineDevice>>()>;

class TapiDialer {
public:
    // Longest line name; longer names are cut.
    static constexpr std::size_t kMaxLineName = 511;

    TapiDialer(Settings& settings, LineDiscovery discover)
        : settings_(settings), discover_(std::move(discover)) {}
    ~TapiDialer();
    TapiDialer(const TapiDialer&) = delete;
    TapiDialer& operator=(const TapiDialer&) = delete;

    // The devices with interactive voice, in identifier order; a device without a
    // name is called "Line <id>". Returns 0.
    std::int32_t EnumerateLines(TapiLineList* lines);
    // 0 when a call was requested (whether or not the line accepted it); a
    // line_error code when the device is unknown, or opening the line or translating
    // the address failed.
    std::int32_t Dial(std::string_view dial_string, std::int32_t device);

    // The device of an identifier; null when there is none.
    LineDevice* Device(std::int32_t device);
    // The identifier of the open line; 0 when none is open.
    std::int32_t OpenDevice() const { return open_line_ != nullptr ? current_device_ : 0; }

private:
    void Initialize();
    void CloseOpenLine();

    Settings& settings_;
    LineDiscovery discover_;
    bool initialized_ = false;
    std::vector<std::unique_ptr<LineDevice>> devices_;
    std::int32_t current_device_ = -1;
    LineDevice* open_line_ = nullptr;
    std::int32_t request_id_ = 0;
};

}  // namespace vendarion
