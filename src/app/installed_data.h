// The set-up step of a copy that was installed or built without running it: when
// the settings file is missing and the program's folder holds no archives, the
// archives are looked for in the installed data folders and in the build's own
// data folder, and a settings file naming them is written, so the program starts
// instead of asking for a set-up that a Linux user cannot run.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

class Platform;

// Each folder of data_dirs (colon-separated as $XDG_DATA_DIRS; empty stands for
// /usr/local/share:/usr/share) followed by "/vendarion/data", then
// build_data_folder when it is not empty.
std::vector<std::string> InstalledDataFolders(std::string_view data_dirs,
                                              std::string_view build_data_folder);

// The first folder that holds all four archives.
std::optional<std::string> FindInstalledData(Platform& platform,
                                             const std::vector<std::string>& folders);

// Creates the settings file and writes the paths of the four archives in folder.
// False when the file cannot be created or a value cannot be written; then no
// settings file is left behind.
[[nodiscard]] bool WriteArchiveSettings(const std::string& settings_path,
                                        const std::string& folder);

// The whole step: nothing when the settings file exists or the program's folder
// holds the index archive; otherwise the first complete folder of
// InstalledDataFolders goes into a new settings file. True when one was written.
bool SetUpUnlessDone(Platform& platform, const std::string& settings_path,
                     std::string_view data_dirs, std::string_view build_data_folder);

}  // namespace vendarion
