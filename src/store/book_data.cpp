#include "store/book_data.h"

#include <charconv>
#include <cstring>

#include "store/book_data_format.h"

namespace vendarion {
namespace {

using namespace book_data_format;

// Writes value in decimal, at least min_digits digits, after prefix.
void Format(std::string_view prefix, std::int32_t value, int min_digits, std::string* out) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const auto length = static_cast<int>(result.ptr - digits);
    out->assign(prefix);
    if (value >= 0 && length < min_digits) out->append(min_digits - length, '0');
    out->append(digits, result.ptr);
}

}  // namespace

bool BookData::Open(ByteView member) {
    member_ = {};
    if (member.data() == nullptr || member.size() < kArraysStart) return false;
    member_ = member;
    return true;
}

int BookData::BookCount() { return kBookCount; }

const std::uint8_t* BookData::Record(int book) const {
    if (member_.data() == nullptr || book < 0 || book >= kBookCount) return nullptr;
    return member_.data() + kRecordsStart + static_cast<std::size_t>(book) * kRecordSize;
}

std::int32_t BookData::EntryCount(int book) const {
    const std::uint8_t* record = Record(book);
    return record ? LoadI32(record + kEntryCount) : 0;
}

std::string_view BookData::Name(int book) const {
    const std::uint8_t* record = Record(book);
    return record ? ByteView(record, kRecordSize).CString(kName, kNameWidth) : std::string_view();
}

std::string_view BookData::TownPostalCode(int book) const {
    const std::uint8_t* record = Record(book);
    return record ? ByteView(record, kRecordSize).CString(kTownPostalCode, kTownPostalCodeWidth)
                  : std::string_view();
}

const std::uint8_t* BookData::Element(int book, std::size_t field, int i, std::size_t width) const {
    const std::uint8_t* record = Record(book);
    if (record == nullptr || i < 0) return nullptr;
    const std::int32_t offset = LoadI32(record + field);
    if (offset < 0) return nullptr;
    const std::uint64_t at =
        static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(i) * width;
    // Arrays live after the record area; an offset into the records is damage.
    return at >= kArraysStart && member_.Contains(at, width) ? member_.data() + at : nullptr;
}

void BookData::PostalCode(int book, int i, std::string* out) const {
    const std::uint8_t* element = Element(book, kPostalCodes, i, 4);
    if (element == nullptr) return out->clear();
    Format({}, LoadI32(element), 5, out);
}

void BookData::AreaCode(int book, int i, std::string* out) const {
    const std::uint8_t* element = Element(book, kAreaCodes, i, 4);
    if (element == nullptr) return out->clear();
    Format("0", LoadI32(element), 0, out);
}

void BookData::PlaceName(int book, int i, std::string* out) const {
    const std::uint8_t* element = Element(book, kPlaceNames, i, kPlaceNameSize);
    if (element == nullptr) return out->clear();
    out->assign(ByteView(element, kPlaceNameSize).CString(0, kPlaceNameSize));
}

}  // namespace vendarion
