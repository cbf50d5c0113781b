#include "store/phonetic_index.h"

#include "base/fold_text.h"
#include "base/phonetic_code.h"
#include "store/phonetic_index_format.h"

namespace vendarion {

using namespace phonetic_index_format;

bool PhoneticIndex::Open(const ArchiveFile& code_archive) {
    Close();
    ByteView member;
    return code_archive.Find(kMember, &member) && Open(member);
}

bool PhoneticIndex::Open(ByteView member) {
    Close();
    std::int32_t count = 0;
    if (!member.I32(0, &count) || count < 0) return false;
    const ByteView entries =
        member.Sub(kHeaderSize, static_cast<std::uint64_t>(count) * kEntrySize);
    if (entries.data() == nullptr) return false;
    const std::uint64_t ids_start = kHeaderSize + entries.size();
    const ByteView id_array = member.Sub(ids_start, member.size() - ids_start);
    // Each entry's ids are checked against the id area where they are read (Ids).
    entries_ = entries;
    id_array_ = id_array;
    count_ = count;
    return true;
}

void PhoneticIndex::Close() {
    entries_ = {};
    id_array_ = {};
    count_ = 0;
}

std::string_view PhoneticIndex::Code(int entry) const {
    if (entry < 0 || entry >= count_) return {};
    return entries_.CString(static_cast<std::uint64_t>(entry) * kEntrySize, kCodeWidth);
}

PhoneticIds PhoneticIndex::Ids(int entry) const {
    if (entry < 0 || entry >= count_) return {};
    const std::uint8_t* record = entries_.data() + static_cast<std::size_t>(entry) * kEntrySize;
    const std::int32_t first = LoadI32(record + kFirst);
    const std::int16_t count = LoadI16(record + kCount);
    // A negative index or count comes only from damage: no ids, before any arithmetic.
    if (first < 0 || count < 0) return {};
    return {id_array_.Sub(static_cast<std::uint64_t>(first) * kIdSize,
                          static_cast<std::uint64_t>(count) * kIdSize)};
}

int PhoneticIndex::FindCode(std::string_view code) const {
    code = code.substr(0, code.find('\0')).substr(0, kPhoneticCodeLength);
    int lo = -1;
    int hi = count_;
    while (lo + 1 < hi) {
        int mid = (lo + hi) / 2;
        if (mid == lo) ++mid;
        const int order = CompareFolded(Code(mid), code, -1);
        if (order == 0) return mid;
        if (order < 0) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return -1;
}

int PhoneticIndex::Find(std::string_view surname, PhoneticIds* ids) const {
    *ids = {};
    char code[kPhoneticCodeLength + 1];
    const std::size_t length = PhoneticCode(surname, 0, code, sizeof code);
    const int entry = FindCode({code, length});
    if (entry < 0) return -1;
    *ids = Ids(entry);
    return 0;
}

}  // namespace vendarion
