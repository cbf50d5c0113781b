#include "ui/desktop_url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vendarion {
namespace {

constexpr int kAnswerMilliseconds = 2000;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DesktopUrlOpener::~DesktopUrlOpener() {
    if (query_ != nullptr && query_->state() != QProcess::NotRunning) {
        query_->kill();
        query_->waitForFinished(kAnswerMilliseconds);
    }
}

void DesktopUrlOpener::Prepare(std::string_view scheme) {
    if (query_ != nullptr && scheme_ == Latin1(scheme)) return;
    scheme_ = Latin1(scheme);
    has_handler_.reset();
    query_ = std::make_unique<QProcess>();
    query_->start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                               QStringLiteral("x-scheme-handler/") + scheme_});
}

bool DesktopUrlOpener::HasHandler(std::string_view scheme) {
    Prepare(scheme);
    if (has_handler_.has_value()) return *has_handler_;
    if (query_->state() != QProcess::NotRunning && !query_->waitForFinished(kAnswerMilliseconds)) {
        query_->kill();
        query_->waitForFinished(kAnswerMilliseconds);
        has_handler_ = false;
    } else {
        has_handler_ = query_->exitStatus() == QProcess::NormalExit && query_->exitCode() == 0 &&
                       !query_->readAllStandardOutput().trimmed().isEmpty();
    }
    return *has_handler_;
}

bool DesktopUrlOpener::Open(std::string_view url) {
    return QDesktopServices::openUrl(QUrl(Latin1(url), QUrl::StrictMode));
}

}  // namespace vendarion
