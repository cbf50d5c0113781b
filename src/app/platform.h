// What start-up asks of the operating system: where the program file lies, what
// kind of drive a path is on, whether a file exists, where the user's own files go,
// and which optical media are mounted. The program uses LinuxPlatform; tests answer from a table.
#pragma once

#include <string>
#include <vector>

namespace vendarion {

enum class DriveType {
    kFixed,    // a local disk, and anything not known to be optical or remote
    kRemote,   // a network file system
    kOptical,  // a CD or DVD file system
};

class Platform {
public:
    virtual ~Platform() = default;
    // The full path of the program file; empty when it cannot be found out.
    virtual std::string ProgramPath() = 0;
    // The kind of drive the path lies on (the path need not exist).
    virtual DriveType DriveTypeOf(const std::string& path) = 0;
    // True when the path names an existing entry that is not a folder.
    virtual bool FileExists(const std::string& path) = 0;
    // The folder of the user's own files (the phone book and the desktop notes),
    // ending with '/' and made when missing; empty when it cannot be made.
    virtual std::string UserDataFolder() = 0;
    // The mount points of mounted optical media, in mount order.
    virtual std::vector<std::string> OpticalMountPoints() = 0;
};

}  // namespace vendarion
