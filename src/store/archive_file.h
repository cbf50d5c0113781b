// One archive file mapped read-only into memory, handing out views of its named
// members. Views stay valid until Close (or destruction). A file that shrinks while
// mapped does not kill the program: reads past its new end see zero bytes (see
// mapping_guard.h) and Faulted() tells that it happened. Open and Close run on one
// thread; once open, any number of threads may look members up and read them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_view.h"

namespace vendarion {

struct ArchiveVersion {
    std::int16_t major = 0;
    std::int16_t minor = 0;
};

class ArchiveFile {
public:
    ArchiveFile() = default;
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Maps the whole file and checks its directory: the directory and every member
    // must lie inside the file, the directory may hold at most kMaxEntries entries,
    // and a VERSION member must hold its four bytes. A
    // missing or empty file fails without touching this object; any other failure
    // leaves it closed with LastError set (an errno value, or EINVAL for a damaged
    // directory).
    [[nodiscard]] bool Open(const std::string& path);
    // Unmaps; harmless when already closed.
    void Close();
    bool IsOpen() const { return base_ != nullptr; }

    // The first directory entry whose name equals name, ignoring ASCII letter case
    // (by bisection over a name index made at Open).
    [[nodiscard]] bool Find(std::string_view name, ByteView* member) const;
    // Find without the success flag: a view with null data when the member is missing.
    ByteView Member(std::string_view name) const;
    // The stored version when open (1.1 when there is no VERSION member); 0.0 when not.
    ArchiveVersion Version() const;
    int LastError() const { return last_error_; }
    // Whether a read of the mapping met a page that the file no longer has.
    bool Faulted() const;

    // The directory, for listings: entry i's name and member (0 <= i < EntryCount()).
    int EntryCount() const { return entry_count_; }
    std::string_view EntryName(int i) const;
    ByteView EntryMember(int i) const;
    std::uint32_t EntryOffset(int i) const;
    std::uint32_t DirectoryOffset() const { return directory_offset_; }
    std::uint64_t FileSize() const { return size_; }

    // Far more members than any archive has; a larger directory is damage (a sparse
    // file of gigabytes, say) and is refused before it is read.
    static constexpr int kMaxEntries = 65536;

private:
    struct NameIndexEntry {
        std::string folded_name;  // ASCII letters lowered
        int entry;
    };

    [[nodiscard]] bool CheckDirectory();
    void IndexNames();

    const std::uint8_t* base_ = nullptr;
    std::uint64_t size_ = 0;
    std::uint32_t directory_offset_ = 0;
    int entry_count_ = 0;
    int last_error_ = 0;
    ArchiveVersion version_;
    std::vector<NameIndexEntry> names_;  // sorted by folded name, then entry
};

// Asks the system to read the pages under bytes ahead, in large reads. The archives
// are mapped for random access (no read-ahead), which suits lookups but makes a
// member that is read through on a cold start fault in one page at a time. Only a
// hint; harmless for memory that is not a file mapping.
void PrefetchBytes(ByteView bytes);

}  // namespace vendarion
