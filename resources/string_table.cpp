#include "resources/string_table.h"

#include <algorithm>

#include "resources/string_table_data.h"

namespace vendarion {
namespace {

std::string Replace(std::string_view text, std::string_view marker, std::string_view value) {
    std::string out(text);
    const std::size_t at = out.find(marker);
    if (at != std::string::npos) out.replace(at, marker.size(), value);
    return out;
}

}  // namespace

std::string_view LoadString(int id) {
    const StringTableEntry* end = kStringTable + kStringTableSize;
    const StringTableEntry* found =
        std::lower_bound(kStringTable, end, id,
                         [](const StringTableEntry& entry, int key) { return entry.id < key; });
    if (found == end || found->id != id) return {};
    return {found->text, found->length};
}

std::string FormatString(int id, int number) {
    return Replace(LoadString(id), "%i", std::to_string(number));
}

std::string FormatString(int id, std::string_view text) {
    return Replace(LoadString(id), "%s", text);
}

}  // namespace vendarion
