// A read-only view of bytes with bounds-checked little- and big-endian reads.
//
// Every read takes an offset into the view and fails (returns false, or an empty
// view or text) when the bytes it needs are not all inside the view. The view does
// not own its bytes; it stays valid as long as the memory it points into (for
// archive members: until the archive is closed).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vendarion {

class ByteView {
public:
    ByteView() = default;
    ByteView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteView(std::string_view bytes)
        : data_(reinterpret_cast<const std::uint8_t*>(bytes.data())), size_(bytes.size()) {}

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // True when [offset, offset + length) lies inside the view; immune to overflow.
    bool Contains(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    // The bytes [offset, offset + length); an empty view with null data when outside.
    ByteView Sub(std::uint64_t offset, std::uint64_t length) const {
        if (!Contains(offset, length)) return {};
        return {data_ + offset, static_cast<std::size_t>(length)};
    }
    // The text at offset up to its first zero byte, within at most width bytes (and
    // within the view); empty when offset is outside the view.
    std::string_view CString(std::uint64_t offset, std::size_t width) const;

    [[nodiscard]] bool U8(std::uint64_t offset, std::uint8_t* out) const;
    [[nodiscard]] bool U16(std::uint64_t offset, std::uint16_t* out) const;
    [[nodiscard]] bool I16(std::uint64_t offset, std::int16_t* out) const;
    [[nodiscard]] bool U24(std::uint64_t offset, std::uint32_t* out) const;
    [[nodiscard]] bool U24BigEndian(std::uint64_t offset, std::uint32_t* out) const;
    [[nodiscard]] bool U32(std::uint64_t offset, std::uint32_t* out) const;
    [[nodiscard]] bool I32(std::uint64_t offset, std::int32_t* out) const;
    [[nodiscard]] bool U32BigEndian(std::uint64_t offset, std::uint32_t* out) const;

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Unchecked loads, for bytes whose bounds the caller has already checked (for
// example a whole record inside a decoded block).
inline std::uint16_t LoadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t LoadU24(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16);
}
inline std::uint32_t LoadU24BigEndian(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) |
           static_cast<std::uint32_t>(p[2]);
}
inline std::uint32_t LoadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t LoadI32(const std::uint8_t* p) { return static_cast<std::int32_t>(LoadU32(p)); }
inline std::int16_t LoadI16(const std::uint8_t* p) { return static_cast<std::int16_t>(LoadU16(p)); }
inline std::uint32_t LoadU32BigEndian(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

}  // namespace vendarion
