// What the main window works with, owned by the application for the whole run.
#pragma once

namespace vendarion {

class DataSet;
class FileChooser;
class Messages;
class Settings;
struct PersonalStores;

struct WindowServices {
    DataSet& data;
    PersonalStores& stores;
    Settings& settings;
    Messages& messages;
    FileChooser& files;
};

}  // namespace vendarion
