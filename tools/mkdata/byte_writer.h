// Appending little- and big-endian integers and fixed-width texts to a byte string,
// for building the members of the data archives.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion::mkdata {

inline void PutU8(std::string* out, std::uint32_t value) {
    out->push_back(static_cast<char>(value & 0xFF));
}
inline void PutU16(std::string* out, std::uint32_t value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}
inline void PutU24(std::string* out, std::uint32_t value) {
    PutU16(out, value);
    PutU8(out, value >> 16);
}
inline void PutU32(std::string* out, std::uint32_t value) {
    PutU16(out, value);
    PutU16(out, value >> 16);
}
inline void PutI32(std::string* out, std::int32_t value) {
    PutU32(out, static_cast<std::uint32_t>(value));
}
inline void PutI16(std::string* out, std::int16_t value) {
    PutU16(out, static_cast<std::uint16_t>(value));
}

// Stores value into the bytes at p, big-endian, in width bytes.
inline void StoreBigEndian(std::uint8_t* p, std::uint32_t value, int width) {
    for (int i = width - 1; i >= 0; --i, value >>= 8) p[i] = static_cast<std::uint8_t>(value);
}
inline std::uint32_t LoadBigEndian(const std::uint8_t* p, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value = (value << 8) | p[i];
    return value;
}

// Appends text followed by zero bytes up to width bytes in all; the caller has made
// sure that text is shorter than width (so that a terminating zero fits).
inline void PutFixedText(std::string* out, std::string_view text, std::size_t width) {
    out->append(text.substr(0, width));
    out->append(width - std::min(text.size(), width), '\0');
}

}  // namespace vendarion::mkdata
