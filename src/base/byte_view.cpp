#include "base/byte_view.h"

namespace vendarion {

std::string_view ByteView::CString(std::uint64_t offset, std::size_t width) const {
    if (offset > size_) return {};
    const std::size_t available = size_ - static_cast<std::size_t>(offset);
    const std::size_t limit = width < available ? width : available;
    const char* text = reinterpret_cast<const char*>(data_ + offset);
    const void* zero = std::memchr(text, 0, limit);
    return {text, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text) : limit};
}

bool ByteView::U8(std::uint64_t offset, std::uint8_t* out) const {
    if (!Contains(offset, 1)) return false;
    *out = data_[offset];
    return true;
}

bool ByteView::U16(std::uint64_t offset, std::uint16_t* out) const {
    if (!Contains(offset, 2)) return false;
    *out = LoadU16(data_ + offset);
    return true;
}

bool ByteView::I16(std::uint64_t offset, std::int16_t* out) const {
    if (!Contains(offset, 2)) return false;
    *out = LoadI16(data_ + offset);
    return true;
}

bool ByteView::U24(std::uint64_t offset, std::uint32_t* out) const {
    if (!Contains(offset, 3)) return false;
    *out = LoadU24(data_ + offset);
    return true;
}

bool ByteView::U24BigEndian(std::uint64_t offset, std::uint32_t* out) const {
    if (!Contains(offset, 3)) return false;
    *out = LoadU24BigEndian(data_ + offset);
    return true;
}

bool ByteView::U32(std::uint64_t offset, std::uint32_t* out) const {
    if (!Contains(offset, 4)) return false;
    *out = LoadU32(data_ + offset);
    return true;
}

bool ByteView::I32(std::uint64_t offset, std::int32_t* out) const {
    if (!Contains(offset, 4)) return false;
    *out = LoadI32(data_ + offset);
    return true;
}

bool ByteView::U32BigEndian(std::uint64_t offset, std::uint32_t* out) const {
    if (!Contains(offset, 4)) return false;
    *out = LoadU32BigEndian(data_ + offset);
    return true;
}

}  // namespace vendarion
