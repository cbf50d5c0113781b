// The page order of the search assistant, its enabling of "Weiter" and "Zurück", and
// the town it keeps from the town page.
#include "ui/assistant_flow.h"

#include <gtest/gtest.h>

#include <vector>

namespace vendarion {
namespace {

using enum AssistantPage;

// Goes on page by page until the flow stops, and returns the pages passed.
std::vector<AssistantPage> WalkForward(AssistantFlow& flow) {
    std::vector<AssistantPage> pages{flow.Page()};
    while (flow.Next()) {
        // The pages that judge their input accept it here.
        flow.SetNextAllowed(true);
        pages.push_back(flow.Page());
    }
    return pages;
}

std::vector<AssistantPage> WalkBack(AssistantFlow& flow) {
    std::vector<AssistantPage> pages{flow.Page()};
    while (flow.Back()) pages.push_back(flow.Page());
    return pages;
}

TEST(AssistantFlow, EachRouteVisitsItsPagesBothWays) {
    AssistantFlow data;
    data.SetFoundTown(4);
    EXPECT_EQ(WalkForward(data), (std::vector{kWhere, kTownKnown, kTown, kName, kMore, kReady}));
    EXPECT_EQ(WalkBack(data), (std::vector{kReady, kMore, kName, kTown, kTownKnown, kWhere}));

    AssistantFlow internet;
    internet.SetInternet(true);
    EXPECT_EQ(WalkForward(internet), (std::vector{kWhere, kInternetPlace, kName, kMore, kReady}));
    EXPECT_EQ(WalkBack(internet), (std::vector{kReady, kMore, kName, kInternetPlace, kWhere}));

    AssistantFlow country;
    country.SetTownKnown(false);
    EXPECT_EQ(WalkForward(country), (std::vector{kWhere, kTownKnown, kName, kMore, kReady}));
    EXPECT_EQ(WalkBack(country), (std::vector{kReady, kMore, kName, kTownKnown, kWhere}));
    EXPECT_FALSE(country.PlaceKnown());
}

TEST(AssistantFlow, ButtonsFollowThePageAndItsInput) {
    AssistantFlow flow;
    EXPECT_TRUE(flow.CanGoNext());
    EXPECT_FALSE(flow.CanGoBack());
    EXPECT_FALSE(flow.Back());
    ASSERT_TRUE(flow.Next());
    ASSERT_TRUE(flow.Next());
    // The town page waits for a town.
    EXPECT_EQ(flow.Page(), kTown);
    EXPECT_FALSE(flow.CanGoNext());
    EXPECT_FALSE(flow.Next());
    flow.SetFoundTown(2);
    EXPECT_TRUE(flow.CanGoNext());
    flow.SetFoundTown(-1);
    EXPECT_FALSE(flow.CanGoNext());
    flow.SetFoundTown(2);
    ASSERT_TRUE(flow.Next());
    // The name page refuses until it reports a name; a page left with a refusal does
    // not pass it on to one that always allows going on.
    flow.SetNextAllowed(false);
    EXPECT_FALSE(flow.Next());
    EXPECT_EQ(flow.Page(), kName);
    ASSERT_TRUE(flow.Back());
    EXPECT_TRUE(flow.CanGoNext());
    ASSERT_TRUE(flow.Back());
    EXPECT_TRUE(flow.CanGoNext());
    // The last page never goes on.
    AssistantFlow last;
    last.SetTownKnown(false);
    WalkForward(last);
    EXPECT_EQ(last.Page(), kReady);
    EXPECT_FALSE(last.CanGoNext());
    EXPECT_TRUE(last.CanGoBack());
}

TEST(AssistantFlow, OnlyLeavingTheTownPageForwardsChoosesItsTown) {
    AssistantFlow flow;
    ASSERT_TRUE(flow.Next());
    ASSERT_TRUE(flow.Next());
    flow.SetFoundTown(7);
    EXPECT_EQ(flow.ChosenTown(), -1);
    ASSERT_TRUE(flow.Next());
    EXPECT_EQ(flow.ChosenTown(), 7);
    // Back to the town page keeps the choice while the page is shown again ...
    ASSERT_TRUE(flow.Back());
    EXPECT_EQ(flow.Page(), kTown);
    EXPECT_EQ(flow.ChosenTown(), 7);
    // ... and going back from it forgets it, though the page still has its town.
    ASSERT_TRUE(flow.Back());
    EXPECT_EQ(flow.ChosenTown(), -1);
    // "Nein" then goes past the town page: no town.
    flow.SetTownKnown(false);
    ASSERT_TRUE(flow.Next());
    EXPECT_EQ(flow.Page(), kName);
    EXPECT_EQ(flow.ChosenTown(), -1);
    // With "Ja" again, going back from the name page leads to the town page; a town
    // found there and taken forwards replaces the earlier one.
    flow.SetTownKnown(true);
    ASSERT_TRUE(flow.Back());
    EXPECT_EQ(flow.Page(), kTown);
    flow.SetFoundTown(3);
    ASSERT_TRUE(flow.Next());
    EXPECT_EQ(flow.ChosenTown(), 3);
}

}  // namespace
}  // namespace vendarion
