#include "dial/desktop_tel_line.h"

#include "resources/string_table.h"

namespace vendarion {
namespace {

constexpr int kLineName = 1796;

}  // namespace

LineCaps DesktopTelLine::Caps() const { return {std::string(LoadString(kLineName)), true}; }

std::string DesktopTelLine::TelUri(std::string_view dialable) {
    std::string uri = "tel:";
    bool digits = false;
    for (const char c : dialable) {
        if (c >= '0' && c <= '9') {
            uri += c;
            digits = true;
        } else if (c == '*') {
            uri += c;
        } else if (c == '#') {
            uri += "%23";
        } else if (c == '+' && uri.size() == 4) {
            uri += c;
        }
    }
    return digits ? uri : std::string();
}

std::int32_t DesktopTelLine::MakeCall(std::string_view dialable) {
    const std::string uri = TelUri(dialable);
    if (uri.empty()) return line_error::kInvalAddress;
    if (!opener_.Open(uri)) return line_error::kOperationFailed;
    if (++last_request_ <= 0) last_request_ = 1;
    return last_request_;
}

}  // namespace vendarion
