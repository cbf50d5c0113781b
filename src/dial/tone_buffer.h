// A RIFF/WAVE image composed of tone images, played in one piece so that the pauses
// and tones keep their exact lengths. Starts as the 44-byte header with an empty
// data chunk. After every append the RIFF length is the image length minus 8 and
// the data length is the sum of the appended sample data. One thread per object.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/byte_view.h"

namespace vendarion {

// True when the image is a mono 16-bit 11025 Hz PCM WAVE whose data chunk (right
// after the format chunk) lies inside the image.
[[nodiscard]] bool CheckToneImage(ByteView image);

class ToneBuffer {
public:
    ToneBuffer();

    // Appends the samples of a tone image; false, changing nothing, when the image
    // fails CheckToneImage or the buffer would outgrow the 32-bit lengths.
    [[nodiscard]] bool Append(ByteView tone_image);

    // The whole image; valid until the next Append.
    std::string_view Image() const { return image_; }
    std::uint32_t DataLength() const;

private:
    void AddToLength(std::size_t offset, std::uint32_t amount);

    std::string image_;
};

}  // namespace vendarion
