// Dials a DialString acoustically: one tone image per dialable character, composed
// into one WAVE image and played in one piece through the audio output. Blocks the
// calling thread until the tones have been played. One thread per object.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "dial/audio_output.h"
#include "dial/tone_buffer.h"
#include "dial/tone_source.h"

namespace vendarion {

class ToneDialer {
public:
    // How the dialler waits between playback attempts.
    using Pause = std::function<void(std::chrono::milliseconds)>;

    static constexpr int kPlayAttempts = 40;
    static constexpr std::chrono::milliseconds kRetryPause{50};

    explicit ToneDialer(AudioOutput& audio, const ToneSource& tones = EmbeddedTones(),
                        Pause pause = SleepFor);

    // 0 when the tones were played; -1 when a tone image is missing or malformed
    // (then nothing is played) or the device stayed busy for kPlayAttempts attempts,
    // kRetryPause apart.
    [[nodiscard]] int Dial(std::string_view dial_string);

    // The image for a dial string: the tones of its digits, A-D (either case), '*'
    // and '#', in order; other characters are skipped and add no pause. False when a
    // tone image is missing or malformed.
    [[nodiscard]] static bool Compose(std::string_view dial_string, const ToneSource& tones,
                                      ToneBuffer* buffer);

private:
    static void SleepFor(std::chrono::milliseconds duration);

    AudioOutput& audio_;
    const ToneSource& tones_;
    Pause pause_;
};

}  // namespace vendarion
