// The desktop's programs for links: asks xdg-mime which program handles a scheme,
// and opens URLs through the desktop services. User-interface thread only.
#pragma once

#include "dial/url_opener.h"

namespace vendarion {

class DesktopUrlOpener final : public UrlOpener {
public:
    // False also when xdg-mime is missing or does not answer within a second.
    bool HasHandler(std::string_view scheme) override;
    [[nodiscard]] bool Open(std::string_view url) override;
};

}  // namespace vendarion
