#include "app/settings_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "app/registry_text.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"

namespace vendarion {

std::string SettingsFile::ReadText(std::string_view name, std::string_view default_text) {
    std::string file;
    if (!ReadFileContents(path_, &file)) return std::string(default_text);
    const auto lines = ParseRegistryText(file);
    const RegistryLine* value = FindRegistryValue(lines, name);
    if (value == nullptr || value->is_number) return std::string(default_text);
    std::string text = Utf8ToCp1252(value->text_value);
    if (text.size() > kMaxSettingText) return std::string(default_text);
    return text;
}

std::int32_t SettingsFile::ReadNumber(std::string_view name, std::int32_t default_value) {
    std::string file;
    if (!ReadFileContents(path_, &file)) return default_value;
    const auto lines = ParseRegistryText(file);
    const RegistryLine* value = FindRegistryValue(lines, name);
    if (value == nullptr || !value->is_number) return default_value;
    return static_cast<std::int32_t>(value->number_value);
}

bool SettingsFile::WriteText(std::string_view name, std::string_view text) {
    // A line break cannot be written into a value line.
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    return WriteLine(name, RegistryTextLine(Cp1252ToUtf8(name), Cp1252ToUtf8(text)));
}

bool SettingsFile::WriteNumber(std::string_view name, std::int32_t number) {
    return WriteLine(name,
                     RegistryNumberLine(Cp1252ToUtf8(name), static_cast<std::uint32_t>(number)));
}

bool SettingsFile::WriteLine(std::string_view name, const std::string& line) {
    if (name.empty()) return false;
    std::string file;
    if (!ReadFileContents(path_, &file)) return false;
    auto lines = ParseRegistryText(file);
    SetRegistryValue(&lines, Cp1252ToUtf8(name), line);
    return ReplaceFileContents(path_, JoinRegistryLines(lines), ReplaceMode::kReplaceExisting);
}

std::string DefaultSettingsPath() {
    if (const char* explicit_path = std::getenv("VENDARION_SETTINGS");
        explicit_path != nullptr && *explicit_path != '\0') {
        return explicit_path;
    }
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        config = std::string(home) + "/.config";
    } else {
        config = ".config";
    }
    return config + "/Morvanta/Vendarion.reg";
}

bool CreateSettingsFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return S_ISREG(info.st_mode);
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    const std::string empty =
        std::string(kRegistryHeader) + "\n\n" + std::string(kRegistryKey) + "\n";
    return ReplaceFileContents(path, empty);
}

}  // namespace vendarion
