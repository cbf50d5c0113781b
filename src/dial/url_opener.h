// Hands a URL to the desktop's program for its scheme.
#pragma once

#include <string_view>

namespace vendarion {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // True when the desktop has a program for links of the scheme ("tel").
    virtual bool HasHandler(std::string_view scheme) = 0;
    // True when the URL was handed over.
    [[nodiscard]] virtual bool Open(std::string_view url) = 0;
};

}  // namespace vendarion
