#include "ui/banner_player.h"

#include <charconv>

namespace vendarion {
namespace {

constexpr std::uint16_t kFirstFrameTime = 4000;

// An unsigned number at the start of a field; nothing when it does not read.
std::optional<unsigned> FieldNumber(std::string_view field) {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), number);
    (void)end;
    if (error != std::errc()) return std::nullopt;
    return number;
}

}  // namespace

std::optional<BannerTiming> ParseBannerTiming(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t comma = text.find(',');
    const std::optional<unsigned> count = FieldNumber(text.substr(0, comma));
    if (!count || *count > static_cast<unsigned>(kMaxBannerFrames)) return std::nullopt;
    BannerTiming timing;
    timing.frames = static_cast<int>(*count);
    for (int frame = 0; frame < timing.frames && comma != std::string_view::npos; ++frame) {
        const std::size_t start = comma + 1;
        comma = text.find(',', start);
        const std::string_view field = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        const std::optional<unsigned> time = FieldNumber(field);
        if (time && *time <= 0xFFFF) timing.times[frame] = static_cast<std::uint16_t>(*time);
    }
    return timing;
}

void BannerPlayer::StartNext() {
    const int next = (animation_ + 1) % kBannerAnimations;
    const std::optional<BannerTiming> timing = ParseBannerTiming(window_.timing(next));
    if (!timing || timing->frames == 0) return;
    animation_ = next;
    timing_ = *timing;
    frame_ = 0;
    running_ = true;
    if (first_start_) {
        // The first strip is shown already; it stays a little longer at the start.
        timing_.times[0] = kFirstFrameTime;
        first_start_ = false;
    } else {
        window_.load_strip(animation_);
        window_.redraw();
    }
    timer_running_ = true;
    window_.start_timer(timing_.times[0]);
}

void BannerPlayer::OnTimer(bool visible) {
    window_.stop_timer();
    timer_running_ = false;
    frame_ = frame_ + 1 >= timing_.frames ? 0 : frame_ + 1;
    const int last = timing_.frames - 1;
    if (frame_ > 0 && timing_.times[frame_] != 0) {
        window_.redraw();
        if (frame_ != last || !single_) {
            timer_running_ = true;
            window_.start_timer(timing_.times[frame_]);
        } else {
            running_ = false;
        }
        return;
    }
    if (visible) {
        StartNext();
    } else {
        pending_ = true;
    }
}

void BannerPlayer::Click() {
    if (running_) {
        // Only the rest on the last frame may be cut short.
        if (single_ || frame_ != timing_.frames - 1) return;
        window_.stop_timer();
        timer_running_ = false;
    }
    StartNext();
}

void BannerPlayer::Hide() {
    if (!timer_running_) return;
    window_.stop_timer();
    timer_running_ = false;
    if (single_) {
        // With animations off nothing plays by itself: the animation stops where it
        // is, and the next click plays the next one.
        running_ = false;
        return;
    }
    pending_ = true;
}

void BannerPlayer::Show() {
    if (!pending_) return;
    pending_ = false;
    StartNext();
}

}  // namespace vendarion
