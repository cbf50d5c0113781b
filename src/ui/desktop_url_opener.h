// The desktop's programs for links: asks xdg-mime which program handles a scheme,
// and opens URLs through the desktop services. The question may be asked early
// (Prepare), so that its answer is ready when it is needed. User-interface thread
// only.
#pragma once

#include <QProcess>
#include <QString>
#include <memory>
#include <optional>

#include "dial/url_opener.h"

namespace vendarion {

class DesktopUrlOpener final : public UrlOpener {
public:
    DesktopUrlOpener() = default;
    ~DesktopUrlOpener() override;
    DesktopUrlOpener(const DesktopUrlOpener&) = delete;
    DesktopUrlOpener& operator=(const DesktopUrlOpener&) = delete;

    // Starts asking for the scheme's program without waiting for the answer.
    void Prepare(std::string_view scheme);
    // False also when xdg-mime is missing or has not answered within two seconds
    // of being asked.
    bool HasHandler(std::string_view scheme) override;
    [[nodiscard]] bool Open(std::string_view url) override;

private:
    std::unique_ptr<QProcess> query_;
    QString scheme_;
    // The answer for scheme_ once it has come.
    std::optional<bool> has_handler_;
};

}  // namespace vendarion
