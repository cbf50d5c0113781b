#include "dial/tone_dialer.h"

#include <thread>

#include "dial/tone_table.h"

namespace vendarion {

ToneDialer::ToneDialer(AudioOutput& audio, const ToneSource& tones, Pause pause)
    : audio_(audio), tones_(tones), pause_(std::move(pause)) {}

void ToneDialer::SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

bool ToneDialer::Compose(std::string_view dial_string, const ToneSource& tones,
                         ToneBuffer* buffer) {
    for (const char c : dial_string) {
        const std::string_view name = ToneImageName(c);
        if (name.empty()) continue;
        if (!buffer->Append(tones.Find(name))) return false;
    }
    return true;
}

int ToneDialer::Dial(std::string_view dial_string) {
    ToneBuffer buffer;
    if (!Compose(dial_string, tones_, &buffer)) return -1;
    for (int attempt = 1; attempt <= kPlayAttempts; ++attempt) {
        if (audio_.Play(buffer.Image())) return 0;
        if (attempt < kPlayAttempts) pause_(kRetryPause);
    }
    return -1;
}

}  // namespace vendarion
