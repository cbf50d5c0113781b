#include "dial/wave_file_output.h"

#include "base/atomic_file.h"

namespace vendarion {

bool WaveFileOutput::Play(std::string_view wave_image) {
    return ReplaceFileContents(path_, wave_image);
}

}  // namespace vendarion
