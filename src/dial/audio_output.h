// Sound output for the tone dialler: plays one whole WAVE image synchronously.
#pragma once

#include <string_view>

namespace vendarion {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Plays a mono or stereo 16-bit PCM WAVE image and returns true after it has
    // ended. Returns false at once when the device is busy or cannot play it.
    [[nodiscard]] virtual bool Play(std::string_view wave_image) = 0;
};

}  // namespace vendarion
