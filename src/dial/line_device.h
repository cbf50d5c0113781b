// One line device of the dialling layer: a voice modem on a serial line or the
// desktop's telephone program. The dialler opens a line, places one call on it and
// closes it before the next; closing also ends a call that is still up.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion {

class ModemLine;

// Failure codes of the line operations: negative 32-bit values.
namespace line_error {
inline constexpr std::int32_t kBadDeviceId = static_cast<std::int32_t>(0x80000002U);
inline constexpr std::int32_t kCallUnavail = static_cast<std::int32_t>(0x80000005U);
inline constexpr std::int32_t kInvalAddress = static_cast<std::int32_t>(0x80000010U);
inline constexpr std::int32_t kNoMem = static_cast<std::int32_t>(0x80000044U);
inline constexpr std::int32_t kResourceUnavail = static_cast<std::int32_t>(0x80000047U);
inline constexpr std::int32_t kOperationFailed = static_cast<std::int32_t>(0x80000048U);
inline constexpr std::int32_t kOperationUnavail = static_cast<std::int32_t>(0x80000049U);
}  // namespace line_error

// What a device says of itself.
struct LineCaps {
    std::string name;  // may be empty; the enumeration names it then
    bool interactive_voice = false;
};

class LineDevice {
public:
    virtual ~LineDevice() = default;

    virtual LineCaps Caps() const = 0;
    // 0 when the line is open, else a line_error code. The line is closed after a
    // failure.
    [[nodiscard]] virtual std::int32_t Open() = 0;
    // Places a voice call to the dialable string on the open line: a positive
    // request identifier when the call was accepted, else 0 or a line_error code.
    [[nodiscard]] virtual std::int32_t MakeCall(std::string_view dialable) = 0;
    // Releases the line and any call on it. Harmless on a closed line.
    virtual void Close() = 0;
    // The modem behind the line, for its settings dialog; null for other devices.
    virtual ModemLine* Modem() { return nullptr; }
};

}  // namespace vendarion
