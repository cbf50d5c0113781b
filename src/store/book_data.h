// The per-book records of "BookData.dat": entry counts, names and the small arrays
// of area codes, postal codes and place names that subscriber records index into.
// Immutable after Open: any thread may read it at the same time. Views point into
// the archive's mapping and stay valid while it is open.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/byte_view.h"

namespace vendarion {

class BookData {
public:
    // Takes the member; false when it is shorter than the fixed record area.
    [[nodiscard]] bool Open(ByteView member);
    void Close() { member_ = {}; }
    bool IsOpen() const { return member_.data() != nullptr; }

    // Books are numbered 0 ... BookCount() - 1; other numbers give 0 and empty texts.
    static int BookCount();
    std::int32_t EntryCount(int book) const;
    std::string_view Name(int book) const;
    std::string_view TownPostalCode(int book) const;
    // Element i of the book's arrays, formatted into out ("%05d", "0%d", the name);
    // empty when i < 0 or the element lies outside the member. Out is reused, so a
    // caller decoding many entries allocates nothing.
    void PostalCode(int book, int i, std::string* out) const;
    void AreaCode(int book, int i, std::string* out) const;
    void PlaceName(int book, int i, std::string* out) const;

private:
    const std::uint8_t* Record(int book) const;
    // The address of element i of the array whose offset is at field, or null.
    const std::uint8_t* Element(int book, std::size_t field, int i, std::size_t width) const;

    ByteView member_;
};

}  // namespace vendarion
