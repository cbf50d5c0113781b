#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace vendarion {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Flushes the folder entry of a rename to disk; failure is not reported because
// the rename itself has already taken effect.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view contents, ReplaceMode mode) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (!exists && mode == ReplaceMode::kReplaceExisting) return false;

    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    const mode_t permissions = exists ? (existing.st_mode & 07777) : 0644;
    int cause = 0;
    bool ok = ::fchmod(fd, permissions) == 0 && WriteAll(fd, contents) && ::fsync(fd) == 0;
    if (!ok) cause = errno;
    if (::close(fd) != 0 && ok) ok = false, cause = errno;
    if (ok && ::rename(name.data(), path.c_str()) != 0) ok = false, cause = errno;
    if (!ok) {
        ::unlink(name.data());
        errno = cause;
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

bool ReadFileContents(const std::string& path, std::string* contents) {
    contents->clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;
        if (got <= 0) break;
        contents->append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ok;
}

}  // namespace vendarion
