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

// How the archives were pushed out of the page cache.
enum class Eviction {
    kDropCaches,  // every clean page of the machine dropped (root only)
    kFadvise,     // POSIX_FADV_DONTNEED on the four archive files
    kFailed,
};
// Writes dirty pages back and evicts the four archives of folder from the page cache.
// Only pages mapped by no process leave the cache: close every data set first.
Eviction EvictArchives(const std::string& folder);
const char* EvictionName(Eviction eviction);

// Size in bytes of a file; -1 when it cannot be read.
std::int64_t FileSize(const std::string& path);

// The four archive file names of a data set folder.
inline constexpr const char* kArchiveNames[] = {"Index.mf", "Code.mf", "List.mf", "Data.mf"};

}  // namespace vendarion::bench
