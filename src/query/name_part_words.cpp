#include "query/name_part_words.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "store/field_dictionary.h"

namespace vendarion {
namespace {

constexpr int kWordsPerByte = 4;
constexpr int kUnknown = 0;
constexpr int kMatch = 1;
constexpr int kNoMatch = 2;

}  // namespace

void NamePartWords::Reset(std::string lowered, int word_count) {
    lowered_ = std::move(lowered);
    word_count_ = std::max(word_count, 0);
    verdicts_.assign((static_cast<std::size_t>(word_count_) + kWordsPerByte - 1) / kWordsPerByte,
                     0);
    swept_ = 0;
    ids_.clear();
}

int NamePartWords::Decide(FieldDictionary& surnames, int word) {
    std::uint8_t& bits = verdicts_[static_cast<std::size_t>(word / kWordsPerByte)];
    const int shift = word % kWordsPerByte * 2;
    int known = (bits >> shift) & 3;
    if (known == kUnknown) {
        known = LoweredContains(surnames.Word(word), lowered_) ? kMatch : kNoMatch;
        bits = static_cast<std::uint8_t>(bits | known << shift);
    }
    return known;
}

bool NamePartWords::Contains(FieldDictionary& surnames, std::uint32_t id) {
    const std::int64_t word = static_cast<std::int64_t>(id) - 1;
    if (word < 0 || word >= word_count_) return false;
    return Decide(surnames, static_cast<int>(word)) == kMatch;
}

bool NamePartWords::Sweep(FieldDictionary& surnames, int count) {
    const int end = swept_ + std::min(std::max(count, 0), word_count_ - swept_);
    for (; swept_ < end; ++swept_) {
        if (Decide(surnames, swept_) == kMatch)
            ids_.push_back(static_cast<std::uint32_t>(swept_) + 1);
    }
    return Swept();
}

}  // namespace vendarion
