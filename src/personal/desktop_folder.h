// The user's desktop folder, where the note launchers go: XDG_DESKTOP_DIR of the
// user's user-dirs.dirs ("$XDG_CONFIG_HOME/user-dirs.dirs", else
// "~/.config/user-dirs.dirs"), else "~/Desktop".
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

// The folder that user-dirs.dirs text names for the desktop: a quoted
// "$HOME/..." or absolute path, backslash escapes undone; home + "/Desktop" when the
// text names none. No trailing slash.
std::string DesktopFolderFrom(std::string_view user_dirs, std::string_view home);

// The desktop folder of this user from the environment; empty without a home.
std::string UserDesktopFolder();

}  // namespace vendarion
