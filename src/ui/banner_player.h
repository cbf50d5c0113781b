// The timing of the animated banner without the window: five animations played in
// turn, each frame for its time, resting on the last frame before the next one
// begins (or, with animations off, one animation a click, stopping on its last
// frame). The frame times come from a timing text "n,t1,...,tn" of at most 19
// frames. Driven by a timer the caller owns. User-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vendarion {

inline constexpr int kBannerAnimations = 5;
inline constexpr int kMaxBannerFrames = 19;

struct BannerTiming {
    int frames = 0;
    std::array<std::uint16_t, kMaxBannerFrames> times{};  // milliseconds
};

// Nothing for an empty text, a count that does not read, or more than 19 frames. A
// time that does not read leaves its frame at 0.
std::optional<BannerTiming> ParseBannerTiming(std::string_view text);

class BannerPlayer {
public:
    // What the player asks of its window.
    struct Window {
        std::function<void(int milliseconds)> start_timer;
        std::function<void()> stop_timer;
        // The strip of an animation is to be shown (its first frame).
        std::function<void(int animation)> load_strip;
        std::function<void()> redraw;
        // The timing text of an animation.
        std::function<std::string_view(int animation)> timing;
    };

    // single: animations off, one animation a click.
    BannerPlayer(bool single, Window window) : single_(single), window_(std::move(window)) {}

    // The next animation (the window's first start, a click, an animation's end).
    void StartNext();
    // The frame's time is over; visible: the banner is shown.
    void OnTimer(bool visible);
    void Click();
    // The banner is hidden (the window minimised, no room): the timer stops, and the
    // animation goes on when it is shown again.
    void Hide();
    void Show();

    int Animation() const { return animation_; }
    int Frame() const { return frame_; }
    bool Running() const { return running_; }

private:
    bool single_;
    Window window_;
    BannerTiming timing_;
    bool first_start_ = true;
    int animation_ = -1;
    int frame_ = 0;
    bool running_ = false;
    bool pending_ = false;
    bool timer_running_ = false;
};

}  // namespace vendarion
