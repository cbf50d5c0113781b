#include "weighted_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace vendarion::datagen {
namespace {

TEST(WeightedTable, PicksInProportionAndNeverZeroWeights) {
    const WeightedTable table({3, 0, 1});
    Random random(7);
    std::vector<int> counts(3);
    for (int i = 0; i < 40000; ++i) ++counts[table.Pick(random)];
    EXPECT_EQ(counts[1], 0);
    EXPECT_NEAR(counts[0] / 40000.0, 0.75, 0.02);
    EXPECT_NEAR(counts[2] / 40000.0, 0.25, 0.02);
}

TEST(WeightedTable, EmptyOrAllZeroCannotPick) {
    EXPECT_TRUE(WeightedTable().empty());
    EXPECT_TRUE(WeightedTable({0, 0}).empty());
    EXPECT_FALSE(WeightedTable({0, 1}).empty());
}

TEST(Random, SameSeedSameStreamAndDerivedStreamsDiffer) {
    Random a(42), b(42);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Next(), b.Next());
    EXPECT_NE(Random::Derive(42, 1), Random::Derive(42, 2));
    Random c(1);
    for (int i = 0; i < 1000; ++i) {
        const int value = c.Between(3, 5);
        EXPECT_GE(value, 3);
        EXPECT_LE(value, 5);
    }
}

}  // namespace
}  // namespace vendarion::datagen
