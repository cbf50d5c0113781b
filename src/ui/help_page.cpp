#include "ui/help_page.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "base/messages.h"
#include "resources/string_table.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kHelpMissing = 3205;
constexpr int kHelpNotOpened = 3206;

void Tell(Messages& messages, int id, const std::string& text) {
    messages.Show({id, text, MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk});
}

}  // namespace

std::optional<QString> FindHelpPage() {
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("vendarion/help/index.html"));
    if (!installed.isEmpty()) return installed;
    const QString built = QStringLiteral(VENDARION_BUILD_HELP_DIR "/index.html");
    if (QFileInfo(built).isFile()) return built;
    return std::nullopt;
}

bool OpenHelp(Messages& messages) {
    return OpenHelpPage(messages, FindHelpPage(),
                        [](const QUrl& url) { return QDesktopServices::openUrl(url); });
}

bool OpenHelpPage(Messages& messages, const std::optional<QString>& page,
                  const std::function<bool(const QUrl&)>& open) {
    if (!page) {
        Tell(messages, kHelpMissing, std::string(LoadString(kHelpMissing)));
        return false;
    }
    if (open(QUrl::fromLocalFile(*page))) return true;
    Tell(messages, kHelpNotOpened, FormatString(kHelpNotOpened, FromQString(*page)));
    return false;
}

}  // namespace vendarion
