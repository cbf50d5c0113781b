#include "net/cursor_cache.h"

#include <utility>

namespace vendarion {

std::optional<SearchWalk> CursorCache::Take(const std::string& key, Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    DropIdle(now);
    const auto found = index_.find(key);
    if (found == index_.end()) return std::nullopt;
    std::optional<SearchWalk> walk(std::move(found->second->walk));
    Erase(found->second);
    return walk;
}

void CursorCache::Put(const std::string& key, SearchWalk walk, Clock::time_point now) {
    const std::size_t bytes = walk.Bytes() + key.size() + sizeof(Slot);
    const std::lock_guard lock(mutex_);
    if (const auto found = index_.find(key); found != index_.end()) Erase(found->second);
    DropIdle(now);
    if (bytes > limits_.max_bytes || limits_.max_entries == 0) return;
    while (!slots_.empty() &&
           (slots_.size() >= limits_.max_entries || bytes_ + bytes > limits_.max_bytes)) {
        Erase(std::prev(slots_.end()));
    }
    slots_.push_front(Slot{key, std::move(walk), now, bytes});
    index_.emplace(key, slots_.begin());
    bytes_ += bytes;
}

std::size_t CursorCache::Entries() const {
    const std::lock_guard lock(mutex_);
    return slots_.size();
}

std::size_t CursorCache::Bytes() const {
    const std::lock_guard lock(mutex_);
    return bytes_;
}

void CursorCache::Erase(Slots::iterator slot) {
    bytes_ -= slot->bytes;
    index_.erase(slot->key);
    slots_.erase(slot);
}

void CursorCache::DropIdle(Clock::time_point now) {
    // Slots are in the order of their last use, so the idle ones are at the end.
    while (!slots_.empty() && now - slots_.back().used >= limits_.idle) {
        Erase(std::prev(slots_.end()));
    }
}

}  // namespace vendarion
