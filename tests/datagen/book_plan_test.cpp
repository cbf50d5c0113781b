#include "book_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace vendarion::datagen {
namespace {

const Facts& LoadedFacts() {
    static const Facts facts = [] {
        Facts loaded;
        std::string error;
        EXPECT_TRUE(LoadFacts(VENDARION_FACTS_DIR, &loaded, &error)) << error;
        return loaded;
    }();
    return facts;
}

std::uint64_t Total(const std::vector<BookPlan>& plans) {
    return std::accumulate(
        plans.begin(), plans.end(), std::uint64_t{0},
        [](std::uint64_t sum, const BookPlan& plan) { return sum + plan.entries; });
}

const BookPlan& Largest(const std::vector<BookPlan>& plans) {
    return *std::max_element(plans.begin(), plans.end(), [](const BookPlan& a, const BookPlan& b) {
        return a.entries < b.entries;
    });
}

TEST(BookPlan, SizesHitTheirTargets) {
    const auto tiny = PlanBooks(LoadedFacts(), DataSize::kTiny);
    EXPECT_GE(Total(tiny), 200u);
    EXPECT_LE(Total(tiny), 1000u);

    const auto sample = PlanBooks(LoadedFacts(), DataSize::kSample);
    EXPECT_NEAR(static_cast<double>(Total(sample)), 200000.0, 20000.0);
    for (const BookPlan& plan : sample) EXPECT_GT(plan.entries, 0u) << plan.name;

    const auto national = PlanBooks(LoadedFacts(), DataSize::kNational);
    EXPECT_NEAR(static_cast<double>(Total(national)), 35e6, 1e6);
    EXPECT_EQ(Largest(national).name, "Berlin");
    EXPECT_NEAR(static_cast<double>(Largest(national).entries), 2e6, 3e5);
}

TEST(BookPlan, EveryBookHasItsArraysWithinLimits) {
    const auto plans = PlanBooks(LoadedFacts(), DataSize::kTiny);
    ASSERT_EQ(plans.size(), LoadedFacts().area_codes.size());
    for (const BookPlan& plan : plans) {
        EXPECT_FALSE(plan.name.empty());
        ASSERT_FALSE(plan.places.empty()) << plan.name;
        EXPECT_LE(plan.place_names.size(), 255u);
        EXPECT_LE(plan.postal_codes.size(), 255u);
        EXPECT_LE(plan.area_codes.size(), 255u);
        EXPECT_EQ(plan.area_codes.size(), 1 + MobilePrefixes().size());
        for (const PlaceUse& use : plan.places) {
            EXPECT_LT(static_cast<std::size_t>(use.place_index), plan.place_names.size());
            // -1: a place whose postal code is not known.
            EXPECT_GE(use.postal_index, -1);
            EXPECT_LT(use.postal_index, static_cast<int>(plan.postal_codes.size()));
            EXPECT_GT(use.weight, 0u);
        }
    }
}

TEST(BookPlan, PlaceWithoutPostalCodeGetsNoneInItsBook) {
    Facts facts;
    facts.area_codes = {{"0221", "K\xC3\xB6ln"}, {"02204", "Bensberg"}};
    facts.places = {{"0221", "K\xC3\xB6ln", "50667"},
                    {"0221", "K\xC3\xB6ln", "50668"},
                    {"02204", "Bensberg", ""}};
    const auto plans = PlanBooks(facts, DataSize::kSample);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].postal_codes, (std::vector<std::string>{"50667", "50668"}));
    EXPECT_TRUE(plans[1].postal_codes.empty());
    ASSERT_EQ(plans[1].places.size(), 1u);
    EXPECT_EQ(plans[1].places[0].postal_index, -1);
    EXPECT_GT(plans[1].places[0].weight, 0u);
    EXPECT_GT(plans[1].entries, 0u);
}

TEST(BookPlan, ParsesSizeNames) {
    DataSize size = DataSize::kTiny;
    EXPECT_TRUE(ParseDataSize("national", &size));
    EXPECT_EQ(size, DataSize::kNational);
    EXPECT_TRUE(ParseDataSize("sample", &size));
    EXPECT_EQ(size, DataSize::kSample);
    EXPECT_FALSE(ParseDataSize("huge", &size));
    EXPECT_EQ(size, DataSize::kSample);
}

}  // namespace
}  // namespace vendarion::datagen
