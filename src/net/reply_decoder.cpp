#include "net/reply_decoder.h"

#include <algorithm>
#include <cstring>

#include "net/decimal_prefix.h"
#include "net/internet_error.h"
#include "net/internet_format.h"

namespace vendarion {
namespace {

namespace format = internet_format;

void StoreText(int k, std::string_view text, InternetEntry* record) {
    if (k < kEntryFieldCount) {
        record->entry.fields[static_cast<std::size_t>(k)] = format::CleanServerText(text);
    } else if (k == format::kLevelText) {
        // Clamped to the levels there are, so a row never gets an absurd indentation.
        record->entry.level = std::clamp(DecimalPrefix(text), 0, kDeepestLevel);
    } else if (k == format::kExtraText) {
        record->extra = format::CleanServerText(text);
    } else if (k == format::kFlagText) {
        record->entry.flag = DecimalPrefix(text) != 0 ? 1 : 0;
    }
}

}  // namespace

bool DecodeRecords(ByteView data, std::uint32_t texts, std::uint32_t count,
                   std::vector<InternetEntry>* out) {
    out->clear();
    std::size_t offset = 0;
    for (std::uint32_t r = 0; r < count; ++r) {
        InternetEntry record;
        for (std::uint32_t k = 0; k < texts; ++k) {
            const std::size_t left = data.size() - offset;
            if (left == 0) return false;
            const auto* start = data.data() + offset;
            const auto* end = static_cast<const std::uint8_t*>(std::memchr(start, 0, left));
            if (end == nullptr) return false;
            const auto length = static_cast<std::size_t>(end - start);
            if (k <= static_cast<std::uint32_t>(format::kFlagText)) {
                StoreText(static_cast<int>(k),
                          std::string_view(reinterpret_cast<const char*>(start), length), &record);
            }
            offset += length + 1;
        }
        out->push_back(std::move(record));
    }
    return true;
}

int DecodeReply(const RawReply& raw, InternetReply* reply, std::string* text) {
    *reply = {};
    text->clear();
    reply->header = raw.header;
    const ByteView data(raw.data.data(), raw.data.size());
    if (raw.header.kind == format::kKindError) {
        const auto code = static_cast<std::int32_t>(raw.header.code_or_total);
        if (code == internet_error::kSuccess) return internet_error::kBadFormat;
        if (!data.empty()) *text = format::CleanServerText(data.CString(0, data.size()));
        return code;
    }
    if (raw.header.kind != format::kKindRecords) return internet_error::kBadFormat;
    if (raw.header.record_count == 0 || data.empty()) return internet_error::kSuccess;
    if (raw.header.texts_per_record == 0 || raw.header.record_count > format::kMaxRecords ||
        !DecodeRecords(data, raw.header.texts_per_record, raw.header.record_count,
                       &reply->entries)) {
        reply->entries.clear();
        return internet_error::kBadFormat;
    }
    return internet_error::kSuccess;
}

}  // namespace vendarion
