#include "personal/note_socket.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>

namespace vendarion {
namespace {

constexpr std::string_view kPrefix = "notes-";

// True when the folder exists (or was made) as this user's own, closed to others.
bool OwnFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::string NoteSocketFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime != nullptr && runtime[0] == '/'
                                   ? std::string(runtime) + "/vendarion"
                                   : "/tmp/vendarion-" + std::to_string(::getuid());
    return OwnFolder(folder) ? folder + "/" : std::string();
}

std::string NoteSocketPath(std::string_view folder) {
    return std::string(folder) + std::string(kPrefix) + std::to_string(::getpid());
}

std::vector<std::string> LiveNoteSockets(std::string_view folder) {
    std::vector<std::string> sockets;
    const std::string path(folder);
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return sockets;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, kPrefix.size()) != kPrefix) continue;
        const std::string_view digits = name.substr(kPrefix.size());
        pid_t pid = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), pid);
        if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0) continue;
        const std::string socket = path + std::string(name);
        if (::kill(pid, 0) != 0 && errno == ESRCH) {
            (void)::unlink(socket.c_str());
            continue;
        }
        sockets.push_back(socket);
    }
    ::closedir(dir);
    return sockets;
}

}  // namespace vendarion
