// What the main window works with, owned by the application for the whole run.
#pragma once

namespace vendarion {

class AudioOutput;
class DataSet;
class FileChooser;
class Messages;
struct NotePlaces;
class PrinterChooser;
class Settings;
class TapiDialer;
struct PersonalStores;

struct WindowServices {
    DataSet& data;
    PersonalStores& stores;
    Settings& settings;
    Messages& messages;
    // Where the dial tones are played.
    AudioOutput& audio;
    // The line devices that modem dialling goes through.
    TapiDialer& lines;
    // Where print jobs go.
    PrinterChooser& printers;
    // Where files to save are chosen.
    FileChooser& files;
    // Where desktop notes go and what opens them.
    const NotePlaces& note_places;
};

}  // namespace vendarion
