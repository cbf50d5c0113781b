// The help page of "&Hilfe..." and F1: a German HTML page installed with the program,
// opened in the desktop's browser. User-interface thread only.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QUrl;

namespace vendarion {

class Messages;

// The page: vendarion/help/index.html in the user's or the system's data folders
// ($XDG_DATA_HOME, then each of $XDG_DATA_DIRS, by default /usr/local/share and
// /usr/share), else the help folder of the build the program comes from.
std::optional<QString> FindHelpPage();

// Finds the page and opens it in the desktop's browser. When it is missing or the
// browser cannot be started, messages says so. True when the page was handed over.
bool OpenHelp(Messages& messages);

// The same with the page found (or not) and the opener given.
bool OpenHelpPage(Messages& messages, const std::optional<QString>& page,
                  const std::function<bool(const QUrl&)>& open);

}  // namespace vendarion
