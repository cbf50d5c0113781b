// Audio output that writes the WAVE image to a file instead of playing it: for tests
// and for machines without sound. Each Play replaces the file whole.
#pragma once

#include <string>

#include "dial/audio_output.h"

namespace vendarion {

class WaveFileOutput final : public AudioOutput {
public:
    explicit WaveFileOutput(std::string path) : path_(std::move(path)) {}
    // False when the file cannot be written; an old file is then left as it was.
    [[nodiscard]] bool Play(std::string_view wave_image) override;

private:
    std::string path_;
};

}  // namespace vendarion
