#include "store/reference_table.h"

#include "base/fold_text.h"
#include "store/reference_table_format.h"

namespace vendarion {
namespace {

using namespace reference_table_format;

// The search text keeps at most 511 folded characters.
constexpr std::size_t kFoldCapacity = 512;

constexpr std::array<reference_table_format::Field, 3> kCountryFields = {kCountryName, kCountryCode,
                                                                         kCountryMark};
constexpr std::array<reference_table_format::Field, 4> kBankFields = {kBankName, kBankTown,
                                                                      kBankCode, kBankPostalCode};

std::size_t RecordSize(ReferenceKind kind) {
    return kind == ReferenceKind::kCountries ? kCountrySize : kBankSize;
}

}  // namespace

bool ReferenceTable::Open(ReferenceKind kind, const ArchiveFile& index_archive) {
    Close();
    ByteView member;
    const char* name = kind == ReferenceKind::kCountries ? kCountriesMember : kBanksMember;
    return index_archive.Find(name, &member) && Open(kind, member);
}

bool ReferenceTable::Open(ReferenceKind kind, ByteView member) {
    Close();
    std::int32_t count = 0;
    if (!member.I32(0, &count) || count < 0) return false;
    const ByteView records =
        member.Sub(kHeaderSize, static_cast<std::uint64_t>(count) * RecordSize(kind));
    if (records.data() == nullptr) return false;
    kind_ = kind;
    records_ = records;
    count_ = count;
    return true;
}

void ReferenceTable::Close() {
    records_ = {};
    count_ = 0;
}

int ReferenceTable::FieldCount() const {
    return kind_ == ReferenceKind::kCountries ? static_cast<int>(kCountryFields.size())
                                              : static_cast<int>(kBankFields.size());
}

std::string_view ReferenceTable::Field(int r, int i) const {
    if (r < 0 || r >= count_ || i < 0 || i >= FieldCount()) return {};
    const auto field = kind_ == ReferenceKind::kCountries ? kCountryFields[i] : kBankFields[i];
    return records_.CString(static_cast<std::uint64_t>(r) * RecordSize(kind_) + field.offset,
                            field.width);
}

int ReferenceTable::NextMatch(int* position, std::string_view text) const {
    if (*position < 0 || *position >= count_) return -1;
    char key_buffer[kFoldCapacity];
    const std::string_view key(key_buffer, FoldText(text, key_buffer, sizeof key_buffer));
    char field_buffer[kFoldCapacity];
    for (int r = *position; r < count_; ++r) {
        for (int i = 0; i < FieldCount(); ++i) {
            const std::string_view folded(field_buffer,
                                          FoldText(Field(r, i), field_buffer, sizeof field_buffer));
            if (folded.find(key) != std::string_view::npos) {
                *position = r + 1;
                return r;
            }
        }
    }
    return -1;
}

}  // namespace vendarion
