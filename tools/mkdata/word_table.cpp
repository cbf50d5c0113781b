#include "word_table.h"

#include <algorithm>
#include <cstring>

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kChunkSize = 1 << 20;

}  // namespace

std::uint32_t WordTable::Intern(std::string_view text) {
    const auto found = numbers_.find(text);
    if (found != numbers_.end()) return found->second;
    const auto number = static_cast<std::uint32_t>(words_.size());
    const std::string_view stored = Store(text);
    numbers_.emplace(stored, number);
    words_.push_back(stored);
    return number;
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
