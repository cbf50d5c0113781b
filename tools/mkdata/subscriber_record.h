// The 28-byte subscriber record as the table stores it, and the seven dictionary
// fields that it refers to.
//
//   offset width field
//   0      2     uint16 little-endian book number
//   2      1     place-name index + 1 within the book (0: none)
//   3      1     postal-code index + 1 within the book (0: none)
//   4      1     area-code index + 1 within the book (0: none)
//   5      1     id in "rufzusatz"
//   6      1     bits 0-2 level, bits 3-5 extension length, bit 6 flag
//   7      3     id in "bezeichnungen" (big-endian)
//   10     3     id in "Strassen" (big-endian)
//   13     2     uint16 little-endian id in "hausnr"
//   15     3     id in "Namen" (big-endian)
//   18     3     id in "Vornamen" (big-endian)
//   21     3     id in "namezusatz" (big-endian)
//   24     4     int32 little-endian phone number (0: none)
//
// An id is a word number + 1; 0 means none.
#pragma once

#include <array>
#include <cstdint>

namespace vendarion::mkdata {

inline constexpr std::size_t kRecordSize = 28;
using Record = std::array<std::uint8_t, kRecordSize>;

inline constexpr int kRecordBook = 0;
inline constexpr int kRecordPlace = 2;
inline constexpr int kRecordPostalCode = 3;
inline constexpr int kRecordAreaCode = 4;
inline constexpr int kRecordFlags = 6;
inline constexpr int kRecordPhone = 24;

// The dictionaries in the order the book list opens them.
enum DictionaryIndex : int {
    kSurnames = 0,
    kFirstNames,
    kStreets,
    kHeadings,
    kCallAdditions,
    kHouseNumbers,
    kNameAdditions,
    kDictionaryCount,
};

struct DictionaryField {
    const char* name;     // member name stem
    int offset;           // of the id in the record
    int width;            // bytes of the id
    bool little_endian;   // hausnr only
    std::uint32_t limit;  // most words the id width can address
};

inline constexpr std::array<DictionaryField, kDictionaryCount> kDictionaryFields = {{
    {"Namen", 15, 3, false, 0xFFFFFF},
    {"Vornamen", 18, 3, false, 0xFFFFFF},
    {"Strassen", 10, 3, false, 0xFFFFFF},
    {"bezeichnungen", 7, 3, false, 0xFFFFFF},
    {"rufzusatz", 5, 1, false, 0xFF},
    {"hausnr", 13, 2, true, 0xFFFF},
    {"namezusatz", 21, 3, false, 0xFFFFFF},
}};

inline std::uint32_t GetId(const Record& record, const DictionaryField& field) {
    std::uint32_t value = 0;
    for (int i = 0; i < field.width; ++i) {
        const int at = field.little_endian ? field.offset + field.width - 1 - i : field.offset + i;
        value = (value << 8) | record[at];
    }
    return value;
}

inline void SetId(Record* record, const DictionaryField& field, std::uint32_t id) {
    for (int i = field.width - 1; i >= 0; --i, id >>= 8) {
        const int at = field.little_endian ? field.offset + field.width - 1 - i : field.offset + i;
        (*record)[at] = static_cast<std::uint8_t>(id);
    }
}

inline int RecordBook(const Record& record) { return record[0] | (record[1] << 8); }

}  // namespace vendarion::mkdata
