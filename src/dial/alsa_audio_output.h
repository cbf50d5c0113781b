// Audio output through an ALSA playback device. The device is opened non-blocking
// for each image, so a device in use by another program fails at once (the dialler
// then retries); once open, the image is written and drained before Play returns.
#pragma once

#include <string>

#include "dial/audio_output.h"

namespace vendarion {

class AlsaAudioOutput final : public AudioOutput {
public:
    explicit AlsaAudioOutput(std::string device = "default") : device_(std::move(device)) {}
    [[nodiscard]] bool Play(std::string_view wave_image) override;

private:
    std::string device_;
};

}  // namespace vendarion
