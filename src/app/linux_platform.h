// The platform of the running program: /proc/self/exe for the program file and
// /proc/self/mountinfo for drive types and optical media.
#pragma once

#include "app/platform.h"

namespace vendarion {

class LinuxPlatform final : public Platform {
public:
    std::string ProgramPath() override;
    // $XDG_DATA_HOME/Morvanta/Vendarion/, else ~/.local/share/Morvanta/Vendarion/.
    std::string UserDataFolder() override;
    // Relative paths are taken from the working folder. The mount table is read
    // afresh on each call, so media inserted meanwhile count.
    DriveType DriveTypeOf(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::vector<std::string> OpticalMountPoints() override;
};

}  // namespace vendarion
