// The services start-up works with, owned by the caller for the whole run.
#pragma once

namespace vendarion {

class DriveChooser;
class Messages;
class Platform;
class Settings;

struct StartupServices {
    Settings& settings;
    Messages& messages;
    Platform& platform;
    DriveChooser& drive_chooser;
};

}  // namespace vendarion
