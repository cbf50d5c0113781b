#include "word_table.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr std::size_t kFirstSlots = 1024;

std::uint64_t HashOf(std::string_view text) { return std::hash<std::string_view>()(text); }

bool Holds(std::string_view word, const char* text, std::uint32_t length) {
    return word.size() == length && (length == 0 || std::memcmp(word.data(), text, length) == 0);
}

}  // namespace

std::uint32_t WordTable::Intern(std::string_view text) {
    if ((words_.size() + 1) * 2 > slots_.size()) Grow();
    const std::uint64_t hash = HashOf(text);
    Slot& slot = Find(hash, text);
    if (slot.number_plus_one != 0) return slot.number_plus_one - 1;
    const auto number = static_cast<std::uint32_t>(words_.size());
    const std::string_view stored = Store(text);
    words_.push_back(stored);
    slot = {stored.data(), static_cast<std::uint32_t>(stored.size()), number + 1};
    return number;
}

WordTable::Slot& WordTable::Find(std::uint64_t hash, std::string_view text) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.number_plus_one == 0 || Holds(text, slot.text, slot.length)) return slot;
    }
}

void WordTable::Grow() {
    slots_.assign(std::max(kFirstSlots, slots_.size() * 2), Slot{});
    for (std::size_t n = 0; n < words_.size(); ++n) {
        const std::string_view word = words_[n];
        Find(HashOf(word), word) = {word.data(), static_cast<std::uint32_t>(word.size()),
                                    static_cast<std::uint32_t>(n) + 1};
    }
}

std::string_view WordTable::Store(std::string_view text) {
    if (chunks_.empty() || chunk_size_ - chunk_used_ < text.size()) {
        chunk_size_ = std::max(kChunkSize, text.size());
        chunks_.push_back(std::make_unique<char[]>(chunk_size_));
        chunk_used_ = 0;
    }
    char* place = chunks_.back().get() + chunk_used_;
    if (!text.empty()) std::memcpy(place, text.data(), text.size());
    chunk_used_ += text.size();
    return {place, text.size()};
}

}  // namespace vendarion::mkdata
