#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "app/archive_locator.h"
#include "app/registry_text.h"
#include "app/settings_encoding.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"

namespace vendarion {
namespace {

// The value lines of a settings file's bytes; false when its encoding is broken.
bool ParseSettings(std::string_view bytes, std::vector<RegistryLine>* lines,
                   SettingsEncoding* encoding) {
    std::string utf8;
    if (!DecodeSettingsText(bytes, &utf8, encoding)) return false;
    *lines = ParseRegistryText(utf8);
    return true;
}

bool ReadSettings(const std::string& path, std::vector<RegistryLine>* lines) {
    std::string file;
    SettingsEncoding encoding;
    return ReadFileContents(path, &file) && ParseSettings(file, lines, &encoding);
}

// Holds the exclusive advisory lock that orders the writers of a settings file: the
// lock of the file's folder, which stays the same object while every write puts a new
// file in place. Where the file system has no such locks the write goes on unlocked,
// as it did before there were locks.
class SettingsLock {
public:
    explicit SettingsLock(const std::string& file_path) {
        const std::string folder = FolderOf(file_path);
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~SettingsLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace

std::string SettingsFile::ReadText(std::string_view name, std::string_view default_text) {
    std::vector<RegistryLine> lines;
    if (!ReadSettings(path_, &lines)) return std::string(default_text);
    const RegistryLine* value = FindRegistryValue(lines, name);
    if (value == nullptr || value->is_number) return std::string(default_text);
    std::string text = Utf8ToCp1252(value->text_value);
    if (text.size() > kMaxSettingText) return std::string(default_text);
    return text;
}

std::int32_t SettingsFile::ReadNumber(std::string_view name, std::int32_t default_value) {
    std::vector<RegistryLine> lines;
    if (!ReadSettings(path_, &lines)) return default_value;
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
    // Read, change and replace under the lock, so that a writer in another process
    // never puts back values this one has just changed, and changes this one value
    // only. A link is followed, so that the file it leads to is the one locked.
    const std::string target = LinkTarget(path_);
    if (target.empty()) return false;
    const SettingsLock lock(target);
    std::string file;
    std::vector<RegistryLine> lines;
    SettingsEncoding encoding;
    if (!ReadFileContents(target, &file) || !ParseSettings(file, &lines, &encoding)) return false;
    SetRegistryValue(&lines, Cp1252ToUtf8(name), line);
    return ReplaceFileContents(target, EncodeSettingsText(JoinRegistryLines(lines), encoding),
                               ReplaceMode::kReplaceExisting);
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
