// The table of tone images that the build generates from the tone table and
// compiles in (see resources/tones).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vendarion {

struct EmbeddedToneImage {
    std::string_view name;
    std::span<const std::uint8_t> bytes;
};

// The sixteen images, in the order of kToneKeys.
std::span<const EmbeddedToneImage> EmbeddedToneImages();

}  // namespace vendarion
