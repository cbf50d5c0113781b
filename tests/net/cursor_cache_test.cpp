// The bounds of the cursor cache: entries, bytes, idle time, and one owner per walk.
#include "net/cursor_cache.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

using Clock = CursorCache::Clock;
using std::chrono::seconds;

SearchWalk WalkWithHits(std::int64_t hits, std::size_t ahead = 0) {
    SearchWalk walk;
    walk.hits = hits;
    walk.ahead.resize(ahead);
    return walk;
}

TEST(CursorCache, TakeHandsTheWalkOutOnce) {
    CursorCache cache(CacheLimits{});
    const Clock::time_point now = Clock::now();
    cache.Put("l=Meier&v=1", WalkWithHits(7), now);
    cache.Put("l=Meier&v=1", WalkWithHits(9), now);  // replaces
    EXPECT_EQ(cache.Entries(), 1u);
    std::optional<SearchWalk> walk = cache.Take("l=Meier&v=1", now);
    ASSERT_TRUE(walk.has_value());
    EXPECT_EQ(walk->hits, 9);
    EXPECT_FALSE(cache.Take("l=Meier&v=1", now).has_value());
    EXPECT_FALSE(cache.Take("l=Meyer&v=1", now).has_value());
    EXPECT_EQ(cache.Entries(), 0u);
    EXPECT_EQ(cache.Bytes(), 0u);
}

TEST(CursorCache, TheLeastRecentlyUsedGoesFirstWhenFull) {
    CursorCache cache(CacheLimits{3, 1u << 20, seconds(30)});
    const Clock::time_point now = Clock::now();
    for (const char* key : {"a", "b", "c"}) cache.Put(key, WalkWithHits(1), now);
    cache.Put("b", WalkWithHits(2), now);  // b is now the most recent
    cache.Put("d", WalkWithHits(1), now);  // a goes
    EXPECT_EQ(cache.Entries(), 3u);
    EXPECT_FALSE(cache.Take("a", now).has_value());
    EXPECT_TRUE(cache.Take("c", now).has_value());
    EXPECT_TRUE(cache.Take("b", now).has_value());
    EXPECT_TRUE(cache.Take("d", now).has_value());

    CursorCache none(CacheLimits{0, 1u << 20, seconds(30)});
    none.Put("a", WalkWithHits(1), now);
    EXPECT_EQ(none.Entries(), 0u);
}

TEST(CursorCache, BytesAreBoundedAndAnOversizedWalkIsNotKept) {
    const std::size_t big = WalkWithHits(0, 1000).Bytes();
    CursorCache cache(CacheLimits{100, big * 2 + 1000, seconds(30)});
    const Clock::time_point now = Clock::now();
    cache.Put("a", WalkWithHits(1000, 1000), now);
    cache.Put("b", WalkWithHits(1000, 1000), now);
    EXPECT_EQ(cache.Entries(), 2u);
    cache.Put("c", WalkWithHits(1000, 1000), now);  // a goes to make room
    EXPECT_EQ(cache.Entries(), 2u);
    EXPECT_LE(cache.Bytes(), big * 2 + 1000);
    EXPECT_FALSE(cache.Take("a", now).has_value());
    cache.Put("huge", WalkWithHits(4000, 4000), now);  // larger than the bound
    EXPECT_FALSE(cache.Take("huge", now).has_value());
    EXPECT_TRUE(cache.Take("b", now).has_value());
    EXPECT_TRUE(cache.Take("c", now).has_value());
    EXPECT_EQ(cache.Bytes(), 0u);
}

TEST(CursorCache, IdleWalksExpire) {
    CursorCache cache(CacheLimits{100, 1u << 20, seconds(30)});
    const Clock::time_point start = Clock::now();
    cache.Put("old", WalkWithHits(1), start);
    cache.Put("new", WalkWithHits(1), start + seconds(20));
    EXPECT_FALSE(cache.Take("old", start + seconds(30)).has_value());
    EXPECT_TRUE(cache.Take("new", start + seconds(49)).has_value());
    cache.Put("late", WalkWithHits(1), start + seconds(50));
    cache.Put("other", WalkWithHits(1), start + seconds(90));  // drops "late" on the way
    EXPECT_EQ(cache.Entries(), 1u);
}

}  // namespace
}  // namespace vendarion
