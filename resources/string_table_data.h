// The compiled string table, sorted by id (generated at build time).
#pragma once

#include <cstddef>

namespace vendarion {

struct StringTableEntry {
    int id;
    const char* text;  // Windows-1252 bytes
    std::size_t length;
};

extern const StringTableEntry kStringTable[];
extern const std::size_t kStringTableSize;

}  // namespace vendarion
