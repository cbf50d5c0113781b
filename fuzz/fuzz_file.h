// Bytes of a fuzz input as a file: the readers under test take paths, so each input
// goes into an anonymous memory file reached through /proc/self/fd.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace vendarion::fuzz {

class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size)
        : fd_(::memfd_create("fuzz", MFD_CLOEXEC)) {
        if (fd_ >= 0 && ::write(fd_, data, size) != static_cast<ssize_t>(size)) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

}  // namespace vendarion::fuzz
