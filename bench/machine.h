// Facts of the running process and the machine that the figures depend on: resident
// memory and the page cache holding the archives.
#pragma once

#include <cstdint>
#include <string>

namespace vendarion::bench {

// Resident memory of this process in KiB, from /proc/self/status; -1 when unknown.
struct ResidentMemory {
    std::int64_t total = -1;      // VmRSS
    std::int64_t anonymous = -1;  // RssAnon: heap and stacks
    std::int64_t file = -1;       // RssFile: mapped file pages (the archives)
};
ResidentMemory ReadResidentMemory();

// Writes the file's dirty pages back and evicts its pages from the page cache
// (POSIX_FADV_DONTNEED), leaving the rest of the machine's cache alone. Pages that a
// process maps stay: close every reader of the file first. False when it fails.
bool EvictFile(const std::string& path);
// EvictFile on the four archives of folder.
bool EvictArchives(const std::string& folder);

// Size in bytes of a file; -1 when it cannot be read.
std::int64_t FileSize(const std::string& path);

// The four archive file names of a data set folder.
inline constexpr const char* kArchiveNames[] = {"Index.mf", "Code.mf", "List.mf", "Data.mf"};

}  // namespace vendarion::bench
