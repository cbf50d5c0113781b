// The first steps of start-up, before any data is touched: the system checks and
// the two command-line switches.
#pragma once

#include <string_view>

namespace vendarion {

class Messages;
class Platform;
class Settings;

// The system must be able to tell the program where its own file lies (the proc
// file system); without it message 1334 ends the program, unless the setting
// NoWin32sCheck is set. False when the program must end.
[[nodiscard]] bool CheckOperatingSystem(Platform& platform, Settings& settings, Messages& messages);

// The user-interface toolkit's version, "major.minor[.patch]", weighed as
// major * 10000 + minor against required: an unreadable version shows message 1319
// and ends; an older one asks message 1318 (OK continues, Cancel ends). False when
// the program must end.
[[nodiscard]] bool CheckToolkitVersion(std::string_view version, int required, Messages& messages);

struct StartupSwitches {
    bool use_program_folder = false;  // "mf-use-cwd": the archives beside the program
    bool ignore_version = false;      // "mf-ignore-version": ask before using other data
};

// The switches found anywhere in the raw command line text (case-sensitive, no
// prefix character needed).
StartupSwitches ParseSwitches(std::string_view command_line);

}  // namespace vendarion
