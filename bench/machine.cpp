#include "machine.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace vendarion::bench {
namespace {

// The number of a "Name:   1234 kB" line of /proc/self/status.
bool ParseStatusLine(const char* line, const char* name, std::int64_t* value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(line, name, length) != 0 || line[length] != ':') return false;
    long long kib = 0;
    if (std::sscanf(line + length + 1, "%lld", &kib) != 1) return false;
    *value = kib;
    return true;
}

}  // namespace

ResidentMemory ReadResidentMemory() {
    ResidentMemory memory;
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return memory;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (ParseStatusLine(line, "VmRSS", &memory.total)) continue;
        if (ParseStatusLine(line, "RssAnon", &memory.anonymous)) continue;
        ParseStatusLine(line, "RssFile", &memory.file);
    }
    std::fclose(status);
    return memory;
}

bool EvictFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool advised =
        ::fdatasync(fd) == 0 && ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    ::close(fd);
    return advised;
}

bool EvictArchives(const std::string& folder) {
    bool evicted = true;
    for (const char* name : kArchiveNames) evicted &= EvictFile(folder + "/" + name);
    return evicted;
}

std::int64_t FileSize(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return -1;
    return info.st_size;
}

}  // namespace vendarion::bench
