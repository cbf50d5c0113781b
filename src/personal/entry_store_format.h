// Byte layout of the entry store files PhoneBook.vdr and Memolet.vdr.
//
// All integers little-endian; texts are raw Windows-1252 bytes ended by one zero
// byte (no length prefix).
//
//   offset 0  u32  magic 0x00120288
//   offset 4  i32  count N
//   offset 8       N records in store order (position 0 first), back to back:
//                    16 texts   the SubscriberEntry fields 0-15, each zero-ended
//                    i32        level
//                    u8         flag
//                    text       note text, zero-ended
//                    i32        value (-1 in the phone book, the note id in the notes)
//
// The file ends exactly after the last record. An empty store is the 8 bytes
// 88 02 12 00 00 00 00 00.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vendarion::entry_store_format {

inline constexpr std::uint32_t kMagic = 0x00120288;
inline constexpr std::size_t kHeaderSize = 8;
// The smallest record: sixteen empty texts, level, flag, empty note text, value.
inline constexpr std::size_t kMinRecordSize = 16 + 4 + 1 + 1 + 4;

}  // namespace vendarion::entry_store_format
