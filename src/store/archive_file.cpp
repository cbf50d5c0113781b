#include "store/archive_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

#include "base/ascii_text.h"
#include "store/archive_format.h"
#include "store/mapping_guard.h"

namespace vendarion {
namespace {

using namespace archive_format;

// Names compare over the 80-byte name field, ignoring ASCII letter case.
std::string FoldedName(std::string_view name) {
    std::string folded(name.substr(0, kNameWidth));
    for (char& c : folded) c = LowerAscii(c);
    return folded;
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
    (void)GuardMapping(base_, static_cast<std::size_t>(size_));
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
    if (count > static_cast<std::uint64_t>(kMaxEntries)) return false;
    directory_offset_ = directory;
    entry_count_ = static_cast<int>(count);
    for (int i = 0; i < entry_count_; ++i) {
        const std::uint64_t entry = directory + static_cast<std::uint64_t>(i) * kEntrySize;
        const std::uint32_t offset = LoadU32(base_ + entry + kEntryOffset);
        const std::uint32_t length = LoadU32(base_ + entry + kEntryLength);
        if (!file.Contains(offset, length)) return false;
    }
    IndexNames();
    version_ = {1, 1};
    ByteView version;
    if (Find(kVersionMember, &version)) {
        if (version.size() < kVersionSize) return false;
        version_ = {LoadI16(version.data()), LoadI16(version.data() + 2)};
    }
    return true;
}

void ArchiveFile::IndexNames() {
    names_.clear();
    names_.reserve(static_cast<std::size_t>(entry_count_));
    for (int i = 0; i < entry_count_; ++i) names_.push_back({FoldedName(EntryName(i)), i});
    std::sort(names_.begin(), names_.end(), [](const NameIndexEntry& a, const NameIndexEntry& b) {
        return a.folded_name != b.folded_name ? a.folded_name < b.folded_name : a.entry < b.entry;
    });
}

bool ArchiveFile::Faulted() const { return IsOpen() && MappingFaulted(base_); }

void ArchiveFile::Close() {
    if (base_ != nullptr) {
        UnguardMapping(base_);
        ::munmap(const_cast<std::uint8_t*>(base_), static_cast<std::size_t>(size_));
    }
    names_.clear();
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
    const std::string wanted = FoldedName(name);
    const auto found = std::lower_bound(names_.begin(), names_.end(), wanted,
                                        [](const NameIndexEntry& entry, const std::string& key) {
                                            return entry.folded_name < key;
                                        });
    if (found == names_.end() || found->folded_name != wanted) return false;
    *member = EntryMember(found->entry);
    return true;
}

ByteView ArchiveFile::Member(std::string_view name) const {
    ByteView member;
    if (!Find(name, &member)) return {};
    return member;
}

ArchiveVersion ArchiveFile::Version() const { return IsOpen() ? version_ : ArchiveVersion{}; }

}  // namespace vendarion
