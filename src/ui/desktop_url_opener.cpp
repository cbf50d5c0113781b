#include "ui/desktop_url_opener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace vendarion {
namespace {

constexpr int kQueryMilliseconds = 1000;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool DesktopUrlOpener::HasHandler(std::string_view scheme) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/") + Latin1(scheme)});
    if (!query.waitForFinished(kQueryMilliseconds)) {
        query.kill();
        query.waitForFinished(kQueryMilliseconds);
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

bool DesktopUrlOpener::Open(std::string_view url) {
    return QDesktopServices::openUrl(QUrl(Latin1(url), QUrl::StrictMode));
}

}  // namespace vendarion
