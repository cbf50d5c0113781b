#include "app/linux_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "app/mount_table.h"
#include "base/atomic_file.h"

namespace vendarion {
namespace {

std::vector<MountEntry> ReadMounts() {
    std::string text;
    if (!ReadFileContents("/proc/self/mountinfo", &text)) return {};
    return ParseMountInfo(text);
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    char folder[PATH_MAX];
    if (::getcwd(folder, sizeof folder) == nullptr) return path;
    return std::string(folder) + "/" + path;
}

// Makes each folder of an absolute path that is missing; true when the whole path
// is a folder afterwards.
bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string LinuxPlatform::ProgramPath() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return {};
    return std::string(path, static_cast<std::size_t>(length));
}

std::string LinuxPlatform::UserDataFolder() {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string base;
    if (data_home != nullptr && data_home[0] == '/') {
        base = data_home;
    } else if (home != nullptr && home[0] == '/') {
        base = std::string(home) + "/.local/share";
    } else {
        return {};
    }
    const std::string folder = base + "/Morvanta/Vendarion/";
    return MakeFolders(folder) ? folder : std::string();
}

DriveType LinuxPlatform::DriveTypeOf(const std::string& path) {
    return DriveTypeOfPath(ReadMounts(), Absolute(path));
}

bool LinuxPlatform::FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::vector<std::string> LinuxPlatform::OpticalMountPoints() {
    std::vector<std::string> points;
    for (const MountEntry& mount : ReadMounts()) {
        if (ClassifyFileSystem(mount.file_system) == DriveType::kOptical) {
            points.push_back(mount.mount_point);
        }
    }
    return points;
}

}  // namespace vendarion
