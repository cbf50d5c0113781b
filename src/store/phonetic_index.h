// The phonetic code table: for every code that occurs in the data, the ids of the
// surnames that have it. Immutable after Open: any thread; id views point into the
// archive's mapping.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/byte_view.h"
#include "store/archive_file.h"

namespace vendarion {

// The surname ids (word number in "Namen" + 1) of one code.
struct PhoneticIds {
    ByteView bytes;
    int Count() const { return static_cast<int>(bytes.size() / 4); }
    std::int32_t At(int i) const { return LoadI32(bytes.data() + static_cast<std::size_t>(i) * 4); }
};

class PhoneticIndex {
public:
    // Finds "phonetic.dat"; false (and closed) when missing or its entries do not fit
    // it. An entry whose id range lies outside the id array has no ids.
    [[nodiscard]] bool Open(const ArchiveFile& code_archive);
    [[nodiscard]] bool Open(ByteView member);
    void Close();
    bool IsOpen() const { return entries_.data() != nullptr; }

    int Count() const { return count_; }
    std::string_view Code(int entry) const;
    PhoneticIds Ids(int entry) const;
    // The entry of the code (cut to five characters), by bisection; -1 when absent.
    int FindCode(std::string_view code) const;
    // The ids of the surname's phonetic code: 0, or -1 (and no ids) when the code is
    // not in the table.
    int Find(std::string_view surname, PhoneticIds* ids) const;

private:
    ByteView entries_;
    ByteView id_array_;
    int count_ = 0;
};

}  // namespace vendarion
