// Where one of the four archives is: its settings value, or the program's folder,
// or (when a CD drive holds no such file) the medium the user chooses.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/startup_services.h"
#include "base/setting_names.h"

namespace vendarion {

// The folder part of a path, up to and including its last '/'; empty when it has none.
std::string FolderOf(std::string_view path);

// The archive's path: the settings value, or program folder + file name when the
// value is empty or use_program_folder is set. A path on a remote drive shows
// message 1335 and gives nothing; a path on an optical drive where the file is
// missing opens the drive choice, whose answer is stored in the setting; a
// cancelled choice gives nothing without a message.
std::optional<std::string> LocateArchive(StartupServices& services, const TextSetting& setting,
                                         std::string_view file_name, bool use_program_folder,
                                         std::string_view program_path);

}  // namespace vendarion
