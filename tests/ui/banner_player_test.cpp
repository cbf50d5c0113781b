// The banner's timing without a window: the timing texts, the frames and times of
// every animation, the rest on the last frame, the single mode and a hidden banner.
#include "ui/banner_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/string_table.h"

namespace vendarion {
namespace {

// A timer that runs only when the test says its time is over.
struct ManualWindow {
    std::vector<int> started;  // the times the timer was started with
    int stops = 0;
    std::vector<int> strips;
    int redraws = 0;
    std::vector<std::string> timings = {"3,100,200,300", "2,50,60", "1,10", "2,5,6", "2,7,8"};

    BannerPlayer::Window Window() {
        return {[this](int ms) { started.push_back(ms); }, [this] { ++stops; },
                [this](int animation) { strips.push_back(animation); }, [this] { ++redraws; },
                [this](int animation) { return std::string_view(timings.at(animation)); }};
    }
};

TEST(BannerTiming, TimingTextsGiveFramesAndTimes) {
    const std::optional<BannerTiming> first = ParseBannerTiming(LoadString(1851));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->frames, 7);
    EXPECT_EQ(first->times[0], 900);
    EXPECT_EQ(first->times[6], 40000);
    const int frames[] = {7, 11, 19, 5, 10};
    for (int i = 0; i < 5; ++i) {
        const std::optional<BannerTiming> timing = ParseBannerTiming(LoadString(1851 + i));
        ASSERT_TRUE(timing) << i;
        EXPECT_EQ(timing->frames, frames[i]);
        // Every animation rests 40 seconds on its last frame.
        EXPECT_EQ(timing->times[frames[i] - 1], 40000) << i;
    }
    EXPECT_FALSE(ParseBannerTiming(""));
    EXPECT_FALSE(ParseBannerTiming("x,1,2"));
    EXPECT_FALSE(ParseBannerTiming("20,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"));
    // A time that does not read leaves its frame at 0.
    const std::optional<BannerTiming> holes = ParseBannerTiming("3,100,x,300");
    ASSERT_TRUE(holes);
    EXPECT_EQ(holes->times[1], 0);
    EXPECT_EQ(holes->times[2], 300);
}

TEST(BannerPlayer, AnimationsFollowEachOtherAndTheFirstFrameWaitsLonger) {
    ManualWindow window;
    BannerPlayer player(false, window.Window());
    player.StartNext();
    EXPECT_EQ(player.Animation(), 0);
    // The first strip is shown already: no load, and four seconds on frame 0.
    EXPECT_TRUE(window.strips.empty());
    EXPECT_EQ(window.started, std::vector<int>{4000});
    player.OnTimer(true);
    player.OnTimer(true);
    EXPECT_EQ(player.Frame(), 2);
    EXPECT_EQ(window.started, (std::vector<int>{4000, 200, 300}));
    // After the rest on the last frame the next animation begins.
    player.OnTimer(true);
    EXPECT_EQ(player.Animation(), 1);
    EXPECT_EQ(player.Frame(), 0);
    EXPECT_EQ(window.strips, std::vector<int>{1});
    EXPECT_EQ(window.started.back(), 50);
    // From the last animation back to the first, which now loads its strip.
    for (int step = 0; step < 2 + 1 + 2 + 2; ++step) player.OnTimer(true);
    EXPECT_EQ(player.Animation(), 0);
    EXPECT_EQ(window.strips, (std::vector<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(window.started.back(), 100);
}

TEST(BannerPlayer, AClickCutsOnlyTheRestShort) {
    ManualWindow window;
    BannerPlayer player(false, window.Window());
    player.StartNext();
    player.Click();
    EXPECT_EQ(player.Animation(), 0) << "a click during the frames is ignored";
    player.OnTimer(true);
    player.OnTimer(true);
    player.Click();
    EXPECT_EQ(player.Animation(), 1);
}

TEST(BannerPlayer, WithAnimationsOffEachClickPlaysOneAnimation) {
    ManualWindow window;
    BannerPlayer player(true, window.Window());
    player.Click();
    EXPECT_EQ(player.Animation(), 0);
    player.OnTimer(true);
    player.OnTimer(true);
    // Stopped on the last frame: no timer, and clicks start the next one.
    EXPECT_FALSE(player.Running());
    EXPECT_EQ(player.Frame(), 2);
    EXPECT_EQ(window.started.size(), 2u);
    player.Click();
    EXPECT_EQ(player.Animation(), 1);
    EXPECT_TRUE(player.Running());
    // Hidden in the middle, it stays where it was when shown again.
    player.Hide();
    player.Show();
    EXPECT_EQ(player.Animation(), 1);
    EXPECT_FALSE(player.Running());
    player.Click();
    EXPECT_EQ(player.Animation(), 2);
}

TEST(BannerPlayer, AHiddenBannerWaitsAndGoesOnWhenShown) {
    ManualWindow window;
    BannerPlayer player(false, window.Window());
    player.StartNext();
    player.Hide();
    EXPECT_EQ(window.stops, 1);
    player.Show();
    EXPECT_EQ(player.Animation(), 1);
    // An animation due while hidden starts when the banner is shown.
    player.OnTimer(true);
    player.OnTimer(false);
    EXPECT_EQ(player.Animation(), 1);
    player.Show();
    EXPECT_EQ(player.Animation(), 2);
}

}  // namespace
}  // namespace vendarion
