// Replacing a file's contents so that readers and crashes see either the old file
// or the new one, never a mixture: the contents go to a temporary file in the same
// folder, are flushed to disk, and the temporary file is renamed over the target.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

enum class ReplaceMode {
    kCreateOrReplace,  // the target may or may not exist
    kReplaceExisting,  // fail, writing nothing, when the target does not exist
};

// True when the target now holds exactly contents. On any failure the target is
// unchanged and no temporary file is left behind. An existing target's permission
// bits are kept. errno tells the failing step's cause.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::string_view contents,
                                       ReplaceMode mode = ReplaceMode::kCreateOrReplace);

// The whole contents of a file; false when it cannot be read.
[[nodiscard]] bool ReadFileContents(const std::string& path, std::string* contents);

}  // namespace vendarion
