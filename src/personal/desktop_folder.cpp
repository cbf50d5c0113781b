#include "personal/desktop_folder.h"

#include <cstdlib>

#include "base/atomic_file.h"

namespace vendarion {
namespace {

constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// The value of one line, or empty when it is not a quoted path of the allowed forms.
std::string PathOfValue(std::string_view value, std::string_view home) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return {};
    value = value.substr(1, value.size() - 2);
    std::string path;
    constexpr std::string_view kHome = "$HOME";
    if (value.substr(0, kHome.size()) == kHome &&
        (value.size() == kHome.size() || value[kHome.size()] == '/')) {
        path = home;
        value.remove_prefix(kHome.size());
    } else if (value.empty() || value.front() != '/') {
        return {};
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        path.push_back(value[i]);
    }
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

std::string DesktopFolderFrom(std::string_view user_dirs, std::string_view home) {
    std::string folder = std::string(home) + "/Desktop";
    while (!user_dirs.empty()) {
        const std::size_t end = user_dirs.find('\n');
        const std::string_view line = TrimSpaces(user_dirs.substr(0, end));
        user_dirs = end == std::string_view::npos ? std::string_view() : user_dirs.substr(end + 1);
        if (line.substr(0, kKey.size()) != kKey) continue;
        // The last valid line counts, as the shell that sources the file would see it.
        std::string path = PathOfValue(TrimSpaces(line.substr(kKey.size())), home);
        if (!path.empty()) folder = std::move(path);
    }
    return folder;
}

std::string UserDesktopFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return {};
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string config_home = config != nullptr && config[0] == '/'
                                        ? std::string(config)
                                        : std::string(home) + "/.config";
    std::string user_dirs;
    if (!ReadFileContents(config_home + "/user-dirs.dirs", &user_dirs)) user_dirs.clear();
    return DesktopFolderFrom(user_dirs, home);
}

}  // namespace vendarion
