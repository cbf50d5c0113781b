#include "base/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace vendarion {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporarySuffixLength = 6;  // the XXXXXX of mkstemp
constexpr int kMaxLinkHops = 40;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

std::string RandomSuffix() {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string suffix;
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i)
        suffix.push_back(kLetters[pick(generator)]);
    return suffix;
}

// Renames without replacing: false with EEXIST when the new name is taken.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link never replaces a name either.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        const int cause = errno;
        ::unlink(to.c_str());
        errno = cause;
        return false;
    }
    return true;
}

// A locked, unnamed file in the folder, or -1 when the file system has none.
int OpenUnnamed(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Gives the unnamed file a temporary name beside the target; false (and *name
// empty) when every tried name is taken or linking fails.
bool NameUnnamed(int fd, const std::string& target, std::string* name) {
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + std::string(kTemporaryMark) + RandomSuffix();
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name->c_str(), AT_SYMLINK_FOLLOW) == 0) {
            return true;
        }
        if (errno != EEXIST) break;
    }
    name->clear();  // no name of ours exists
    return false;
}

// A named, locked temporary file beside the target (file systems without unnamed
// files); -1 on failure.
int OpenNamed(const std::string& target, std::string* name) {
    const std::string pattern = target + std::string(kTemporaryMark) + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) return -1;
    name->assign(buffer.data());
    if (::flock(fd, LOCK_EX) != 0) {
        ::unlink(name->c_str());
        ::close(fd);
        return -1;
    }
    return fd;
}

bool IsTemporaryOf(std::string_view entry, std::string_view target_name) {
    return entry.size() == target_name.size() + kTemporaryMark.size() + kTemporarySuffixLength &&
           entry.substr(0, target_name.size()) == target_name &&
           entry.substr(target_name.size(), kTemporaryMark.size()) == kTemporaryMark;
}

// Removes one leftover temporary file unless a writer holds its lock.
bool RemoveIfUnlocked(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    bool removed = false;
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_ino == named.st_ino && opened.st_dev == named.st_dev) {
        removed = ::unlink(path.c_str()) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

std::string LinkTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        std::vector<char> buffer(4096);
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
        std::string target(buffer.data(), static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    return {};
}

bool ReplaceFileContents(const std::string& path, std::string_view contents, ReplaceMode mode) {
    const std::string target = LinkTarget(path);
    if (target.empty()) {
        errno = ELOOP;
        return false;
    }
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && mode == ReplaceMode::kReplaceExisting) return false;

    const std::string folder = FolderOf(target);
    std::string name;
    int fd = OpenUnnamed(folder);
    const bool unnamed = fd >= 0;
    if (!unnamed) fd = OpenNamed(target, &name);
    if (fd < 0) return false;
    const mode_t permissions = exists ? (existing.st_mode & 07777) : 0644;
    int cause = 0;
    bool ok = ::fchmod(fd, permissions) == 0 && WriteAll(fd, contents) && ::fsync(fd) == 0;
    if (ok && unnamed && !NameUnnamed(fd, target, &name)) ok = false;
    if (!ok) cause = errno;
    if (ok && ::rename(name.c_str(), target.c_str()) != 0) ok = false, cause = errno;
    if (!ok && !name.empty()) ::unlink(name.c_str());
    // Closing drops the lock only now, after the name is gone or renamed.
    if (::close(fd) != 0 && ok) ok = false, cause = errno;
    if (!ok) {
        errno = cause;
        return false;
    }
    SyncFolder(folder);
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

int RemoveStaleTemporaries(const std::string& path) {
    const std::string target = LinkTarget(path);
    if (target.empty()) return 0;
    const std::string folder = FolderOf(target);
    const std::string target_name = NameOf(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 0;
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(dir)) {
        if (IsTemporaryOf(entry->d_name, target_name)) candidates.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& candidate : candidates) {
        if (RemoveIfUnlocked(folder + "/" + candidate)) ++removed;
    }
    return removed;
}

bool SetFileAside(const std::string& path, std::string* moved_to) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) return false;
    char stamp[32];
    if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0) return false;
    const std::string base = path + ".defekt-" + stamp;
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (MoveWithoutReplacing(path, name)) {
            *moved_to = name;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace vendarion
