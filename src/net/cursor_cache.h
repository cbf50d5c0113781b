// The walks of recent queries (search_walk.h), kept between requests so that the next
// page of a query goes on where the last one ended instead of searching from the
// start. Keyed by the request without its page number. Bounded in entries and in
// bytes (the least recently used walk goes first) and by an idle time after which a
// walk is dropped. A miss only costs time: the page is searched from the start, so
// any server instance can answer any page.
//
// Threads: any thread. Take hands a walk to one caller, who owns it until Put.
#pragma once

#include <chrono>
#include <cstddef>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "net/search_walk.h"

namespace vendarion {

struct CacheLimits {
    std::size_t max_entries = 4096;
    std::size_t max_bytes = 64u << 20;
    std::chrono::milliseconds idle{30'000};
};

class CursorCache {
public:
    using Clock = std::chrono::steady_clock;

    explicit CursorCache(const CacheLimits& limits) : limits_(limits) {}

    // Removes the walk stored under key and returns it; none when there is none or
    // it has been idle too long.
    std::optional<SearchWalk> Take(const std::string& key, Clock::time_point now);
    // Stores the walk under key, replacing an older one, then drops idle walks and the
    // least recently used ones until the bounds hold. A walk larger than the byte
    // bound is not stored.
    void Put(const std::string& key, SearchWalk walk, Clock::time_point now);

    std::size_t Entries() const;
    std::size_t Bytes() const;

private:
    struct Slot {
        std::string key;
        SearchWalk walk;
        Clock::time_point used;
        std::size_t bytes = 0;
    };
    using Slots = std::list<Slot>;  // the most recently used first

    void Erase(Slots::iterator slot);
    void DropIdle(Clock::time_point now);

    CacheLimits limits_;
    mutable std::mutex mutex_;
    Slots slots_;
    std::unordered_map<std::string, Slots::iterator> index_;
    std::size_t bytes_ = 0;
};

}  // namespace vendarion
