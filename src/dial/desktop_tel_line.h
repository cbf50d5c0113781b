// The desktop's telephone program as a line device: a call hands a tel: URI of the
// number to it (a softphone, or a phone linked to the desktop, places the call).
// Opening and closing the line do nothing. User-interface thread only.
#pragma once

#include <string>

#include "dial/line_device.h"
#include "dial/url_opener.h"

namespace vendarion {

class DesktopTelLine final : public LineDevice {
public:
    explicit DesktopTelLine(UrlOpener& opener) : opener_(opener) {}

    LineCaps Caps() const override;
    [[nodiscard]] std::int32_t Open() override { return 0; }
    [[nodiscard]] std::int32_t MakeCall(std::string_view dialable) override;
    void Close() override {}

    // The URI of a number: "tel:" and its digits, '*', '#' (as %23) and a leading
    // '+'; everything else is dropped. Empty when no digit remains.
    static std::string TelUri(std::string_view dialable);

private:
    UrlOpener& opener_;
    std::int32_t last_request_ = 0;
};

}  // namespace vendarion
