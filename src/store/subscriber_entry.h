// The decoded subscriber entry used everywhere: result lists, the personal stores,
// the Internet search, export and printing. Sixteen Windows-1252 text fields, a
// level (0 = main entry, 1-7 = sub-entry depth) and a one-byte flag.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vendarion {

enum class EntryField : int {
    kName = 0,
    kFirstName = 1,
    kNameAddition1 = 2,
    kNameAddition2 = 3,
    kNameAddition3 = 4,
    kNameAddition4 = 5,
    kNameAddition5 = 6,
    kHeading = 7,
    kStreet = 8,
    kHouseNumber = 9,
    kTown = 10,
    kPostalCode = 11,
    kAreaCode = 12,
    kPhoneNumber = 13,
    kCallAddition = 14,
    kDisplayName = 15,
};

inline constexpr int kEntryFieldCount = 16;
// The deepest sub-entry level.
inline constexpr std::int32_t kDeepestLevel = 7;

struct SubscriberEntry {
    std::array<std::string, kEntryFieldCount> fields;
    std::int32_t level = 0;
    std::uint8_t flag = 0;

    std::string& operator[](EntryField field) { return fields[static_cast<int>(field)]; }
    const std::string& operator[](EntryField field) const {
        return fields[static_cast<int>(field)];
    }
    bool operator==(const SubscriberEntry&) const = default;
};

}  // namespace vendarion
