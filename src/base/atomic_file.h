// Replacing a file's contents so that readers and crashes see either the old file
// or the new one, never a mixture: the contents go to a temporary file in the same
// folder, are flushed to disk, and the temporary file is renamed over the target.
//
// The temporary file is written unnamed where the file system allows it and gets
// its name "<target>.tmp-XXXXXX" only for the rename; while it has a name its
// writer holds an advisory lock on it, so that a leftover of a killed writer can be
// told from one that is being written.
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
// bits are kept. A target that is a symbolic link stays one: the file it leads to
// is replaced. errno tells the failing step's cause.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::string_view contents,
                                       ReplaceMode mode = ReplaceMode::kCreateOrReplace);

// The whole contents of a file; false when it cannot be read.
[[nodiscard]] bool ReadFileContents(const std::string& path, std::string* contents);

// Removes the temporary files that killed writers of path left behind; files that
// a running writer holds are kept. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path);

// The path that a symbolic link at path finally leads to (relative links resolved
// against their folder), or path itself when it is no link. Empty when the chain is
// too long.
std::string LinkTarget(const std::string& path);

// Moves a file that could not be read out of the way, to "<path>.defekt-YYYYMMDD-
// HHMMSS" (local time; "-2", "-3", ... appended when that name is taken), never
// replacing another file. True with the new name in *moved_to.
[[nodiscard]] bool SetFileAside(const std::string& path, std::string* moved_to);

}  // namespace vendarion
