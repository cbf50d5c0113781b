// A flat table of countries ("ausland.dat") or banks ("blz.dat"), searched for
// records that contain a typed text. Immutable after Open: any thread; views point
// into the archive's mapping.
#pragma once

#include <array>
#include <string_view>

#include "base/byte_view.h"
#include "store/archive_file.h"

namespace vendarion {

enum class ReferenceKind { kCountries, kBanks };

// Field numbers of a record, in the order Next match tests them.
enum class CountryField { kName, kCode, kMark };
enum class BankField { kName, kTown, kCode, kPostalCode };

class ReferenceTable {
public:
    // Finds the kind's member; false when it is missing or its count does not fit.
    [[nodiscard]] bool Open(ReferenceKind kind, const ArchiveFile& index_archive);
    [[nodiscard]] bool Open(ReferenceKind kind, ByteView member);
    void Close();
    bool IsOpen() const { return records_.data() != nullptr; }

    ReferenceKind Kind() const { return kind_; }
    int Count() const { return count_; }
    int FieldCount() const;
    // Field i (in test order) of record r; empty when r or i is outside.
    std::string_view Field(int r, int i) const;
    // The first record at or after *position that has the folded text inside one of
    // its folded fields (an empty text matches every record); *position then points
    // after it. -1 (position unchanged) when *position is outside or nothing matches.
    int NextMatch(int* position, std::string_view text) const;

private:
    ReferenceKind kind_ = ReferenceKind::kCountries;
    ByteView records_;
    int count_ = 0;
};

}  // namespace vendarion
