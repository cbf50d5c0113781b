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

int NamePartWords::Known(int word) const {
    const int shift = word % kWordsPerByte * 2;
    return (verdicts_[static_cast<std::size_t>(word / kWordsPerByte)] >> shift) & 3;
}

int NamePartWords::Note(int word, bool match) {
    const int known = match ? kMatch : kNoMatch;
    std::uint8_t& bits = verdicts_[static_cast<std::size_t>(word / kWordsPerByte)];
    bits = static_cast<std::uint8_t>(bits | known << (word % kWordsPerByte * 2));
    return known;
}

int NamePartWords::Decide(FieldDictionary& surnames, int word) {
    const int known = Known(word);
    if (known != kUnknown) return known;
    return Note(word, LoweredContains(surnames.Word(word), lowered_));
}

bool NamePartWords::Contains(FieldDictionary& surnames, std::uint32_t id) {
    const std::int64_t word = static_cast<std::int64_t>(id) - 1;
    if (word < 0 || word >= word_count_) return false;
    return Decide(surnames, static_cast<int>(word)) == kMatch;
}

bool NamePartWords::Sweep(FieldDictionary& surnames, int count) {
    const int end = swept_ + std::min(std::max(count, 0), word_count_ - swept_);
    // Consecutive words share a prefix: where the word before first contains the text
    // inside the shared prefix, this one does too, at the same place; otherwise only
    // the places that reach past the shared prefix are searched, since the word before
    // holds the text at none of the others.
    constexpr std::size_t kNotKnown = std::string_view::npos - 1;
    const std::size_t length = lowered_.size();
    std::size_t previous = kNotKnown;  // where the word before first contains the text
    for (; swept_ < end; ++swept_) {
        int known = Known(swept_);
        if (known != kUnknown) {
            previous = kNotKnown;
        } else {
            std::size_t shared = 0;
            const std::string_view word = surnames.Word(swept_, &shared);
            if (previous == kNotKnown) {
                previous = LoweredFind(word, lowered_);
            } else if (previous == std::string_view::npos || previous + length > shared) {
                previous = LoweredFind(word, lowered_, shared >= length ? shared - length + 1 : 0);
            }
            known = Note(swept_, previous != std::string_view::npos);
        }
        if (known == kMatch) ids_.push_back(static_cast<std::uint32_t>(swept_) + 1);
    }
    return Swept();
}

}  // namespace vendarion
