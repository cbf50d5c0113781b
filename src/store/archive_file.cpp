#include "store/archive_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

#include "base/ascii_text.h"
#include "store/archive_format.h"

namespace vendarion {
namespace {

using namespace archive_format;

// strnicmp over the 80-byte name field: equal up to the first zero of either.
bool NameEquals(std::string_view stored, std::string_view wanted) {
    return EqualIgnoringAsciiCase(stored, wanted.substr(0, kNameWidth));
}

}  // namespace

ArchiveFile::~ArchiveFile() { Close(); }

bool ArchiveFile::Open(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || info.st_size <= 0) return false;
    Close();

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        last_error_ = errno;
        return false;
    }
    // The size is taken again from the open file, which cannot change under us.
    if (::fstat(fd, &info) != 0 || info.st_size <= 0) {
        last_error_ = info.st_size <= 0 ? EINVAL : errno;
        ::close(fd);
        return false;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > std::numeric_limits<std::size_t>::max()) {
        last_error_ = EFBIG;
        ::close(fd);
        return false;
    }
    void* mapping = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    const int map_error = errno;
    ::close(fd);
    if (mapping == MAP_FAILED) {
        last_error_ = map_error;
        return false;
    }
    ::madvise(mapping, static_cast<std::size_t>(size), MADV_RANDOM);
    base_ = static_cast<const std::uint8_t*>(mapping);
    size_ = size;
    if (!CheckDirectory()) {
        Close();
        last_error_ = EINVAL;
        return false;
    }
    last_error_ = 0;
    return true;
}

void PrefetchBytes(ByteView bytes) {
    if (bytes.empty()) return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t start = first & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(start), first + bytes.size() - start, MADV_WILLNEED);
}

bool ArchiveFile::CheckDirectory() {
    const ByteView file(base_, static_cast<std::size_t>(size_));
    std::uint32_t directory = 0;
    if (size_ < kTrailerSize || !file.U32(size_ - kTrailerSize, &directory)) return false;
    if (directory > size_ - kTrailerSize) return false;
    const std::uint64_t count = (size_ - kTrailerSize - directory) / kEntrySize;
    if (count > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) return false;
    directory_offset_ = directory;
    entry_count_ = static_cast<int>(count);
    for (int i = 0; i < entry_count_; ++i) {
        const std::uint64_t entry = directory + static_cast<std::uint64_t>(i) * kEntrySize;
        const std::uint32_t offset = LoadU32(base_ + entry + kEntryOffset);
        const std::uint32_t length = LoadU32(base_ + entry + kEntryLength);
        if (!file.Contains(offset, length)) return false;
    }
    version_ = {1, 1};
    ByteView version;
    if (Find(kVersionMember, &version)) {
        if (version.size() < kVersionSize) return false;
        version_ = {LoadI16(version.data()), LoadI16(version.data() + 2)};
    }
    return true;
}

void ArchiveFile::Close() {
    if (base_ != nullptr) {
        ::munmap(const_cast<std::uint8_t*>(base_), static_cast<std::size_t>(size_));
    }
    base_ = nullptr;
    size_ = 0;
    directory_offset_ = 0;
    entry_count_ = 0;
    version_ = {};
}

std::string_view ArchiveFile::EntryName(int i) const {
    if (i < 0 || i >= entry_count_) return {};
    const ByteView file(base_, static_cast<std::size_t>(size_));
    return file.CString(directory_offset_ + static_cast<std::uint64_t>(i) * kEntrySize + kEntryName,
                        kNameWidth);
}

ByteView ArchiveFile::EntryMember(int i) const {
    if (i < 0 || i >= entry_count_) return {};
    const std::uint8_t* entry =
        base_ + directory_offset_ + static_cast<std::size_t>(i) * kEntrySize;
    return {base_ + LoadU32(entry + kEntryOffset), LoadU32(entry + kEntryLength)};
}

std::uint32_t ArchiveFile::EntryOffset(int i) const {
    if (i < 0 || i >= entry_count_) return 0;
    return LoadU32(base_ + directory_offset_ + static_cast<std::size_t>(i) * kEntrySize);
}

bool ArchiveFile::Find(std::string_view name, ByteView* member) const {
    for (int i = 0; i < entry_count_; ++i) {
        if (NameEquals(EntryName(i), name)) {
            *member = EntryMember(i);
            return true;
        }
    }
    return false;
}

ByteView ArchiveFile::Member(std::string_view name) const {
    ByteView member;
    if (!Find(name, &member)) return {};
    return member;
}

ArchiveVersion ArchiveFile::Version() const { return IsOpen() ? version_ : ArchiveVersion{}; }

}  // namespace vendarion
