#include "app/linux_platform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

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

}  // namespace

std::string LinuxPlatform::ProgramPath() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return {};
    return std::string(path, static_cast<std::size_t>(length));
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
