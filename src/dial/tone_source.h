// Where the tone dialler takes its sixteen tone images from, by image name
// ("WAVE0" ... "WAVED", "WAVESTAR", "WAVERAUTE").
#pragma once

#include <string_view>

#include "base/byte_view.h"

namespace vendarion {

class ToneSource {
public:
    virtual ~ToneSource() = default;
    // The image of that name, or an empty view when there is none. The view stays
    // valid as long as the source.
    virtual ByteView Find(std::string_view image_name) const = 0;
};

// The sixteen images compiled into the program (generated at build time from the
// tone table). Lives for the whole program; any thread.
const ToneSource& EmbeddedTones();

}  // namespace vendarion
