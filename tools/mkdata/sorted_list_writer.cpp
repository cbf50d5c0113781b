#include "sorted_list_writer.h"

#include <algorithm>
#include <tuple>

#include "base/fold_text.h"
#include "byte_writer.h"
#include "zlib_block.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kNameWidth = 82;
constexpr std::size_t kPostalWidth = 6;
constexpr std::size_t kAreaWidth = 10;
constexpr std::size_t kTownKeyWidth = 88;
constexpr std::size_t kCodeKeyWidth = 12;

std::string RecordBytes(ListKind kind, const ListRecord& record) {
    std::string bytes;
    if (kind == ListKind::kTowns) {
        PutFixedText(&bytes, record.key, kNameWidth);
        PutFixedText(&bytes, record.second, kPostalWidth);
    } else {
        PutFixedText(&bytes, record.key, kind == ListKind::kAreaCodes ? kAreaWidth : kPostalWidth);
        PutFixedText(&bytes, record.second, kNameWidth);
    }
    PutI32(&bytes, record.book);
    return bytes;
}

void SortRecords(ListKind kind, std::vector<ListRecord>* records) {
    struct Keyed {
        std::string folded;
        ListRecord record;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(records->size());
    for (ListRecord& record : *records) {
        std::string folded = FoldText(kind == ListKind::kTowns ? record.key : record.second);
        keyed.push_back({std::move(folded), std::move(record)});
    }
    const auto key = [kind](const Keyed& k) {
        const ListRecord& r = k.record;
        return kind == ListKind::kTowns ? std::tie(k.folded, r.key, r.second, r.book)
                                        : std::tie(r.key, k.folded, r.second, r.book);
    };
    std::sort(keyed.begin(), keyed.end(),
              [&key](const Keyed& a, const Keyed& b) { return key(a) < key(b); });
    for (std::size_t i = 0; i < keyed.size(); ++i) (*records)[i] = std::move(keyed[i].record);
}

}  // namespace

const char* SortedListName(ListKind kind) {
    switch (kind) {
        case ListKind::kTowns:
            return "Orte";
        case ListKind::kPostalCodes:
            return "PLZs";
        case ListKind::kAreaCodes:
            return "Vorwahlen";
    }
    return "";
}

bool BuildSortedList(ListKind kind, std::vector<ListRecord> records, int records_per_block,
                     int zlib_level, SortedListMembers* members) {
    SortRecords(kind, &records);
    ZlibCompressor compressor(zlib_level);
    const auto block_size = static_cast<std::size_t>(records_per_block);
    PutI32(&members->i2, static_cast<std::int32_t>(records.size()));
    PutI32(&members->i2, records_per_block);
    for (std::size_t first = 0; first < records.size(); first += block_size) {
        std::string block;
        for (std::size_t i = first; i < std::min(records.size(), first + block_size); ++i) {
            block += RecordBytes(kind, records[i]);
        }
        const std::size_t offset = members->z2.size();
        if (!compressor.Append(block, &members->z2)) return false;
        if (kind == ListKind::kTowns) {
            members->i2.append(block.substr(0, kTownKeyWidth));
        } else {
            PutFixedText(&members->i2, records[first].key, kCodeKeyWidth);
        }
        PutI32(&members->i2, static_cast<std::int32_t>(members->z2.size() - offset));
        PutI32(&members->i2, static_cast<std::int32_t>(offset));
    }
    return true;
}

}  // namespace vendarion::mkdata
