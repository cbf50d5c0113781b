#include "search/town_set.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

TEST(TownSet, KeepsTheMarkedOrderWithoutRepeats) {
    TownSet towns;
    EXPECT_FALSE(towns.Active());
    const int marked[] = {5, 2, 5, -1, 9, 2, 7};
    EXPECT_EQ(towns.Assign(marked, 8), 3);
    EXPECT_TRUE(towns.Active());
    EXPECT_EQ(towns.NextBook(), 5);
    EXPECT_EQ(towns.NextBook(), 2);
    EXPECT_EQ(towns.NextBook(), 7);
    EXPECT_EQ(towns.NextBook(), -1);
    towns.Rewind();
    EXPECT_EQ(towns.NextBook(), 5);
    const int one[] = {3, 3};
    EXPECT_EQ(towns.Assign(one, 8), 1);
    EXPECT_FALSE(towns.Active());
    towns.Clear();
    EXPECT_EQ(towns.Count(), 0);
    EXPECT_EQ(towns.NextBook(), -1);
}

}  // namespace
}  // namespace vendarion
