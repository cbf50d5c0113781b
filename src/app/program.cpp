#include "app/program.h"

#include <unistd.h>
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/drive_dialog.h"
#include "app/installed_data.h"
#include "app/linux_platform.h"
#include "app/reported_settings.h"
#include "app/settings_file.h"
#include "app/startup_message.h"
#include "base/atomic_file.h"
#include "base/setting_names.h"
#include "dial/alsa_audio_output.h"
#include "dial/line_discovery.h"
#include "dial/serial_ports.h"
#include "dial/tapi_dialer.h"
#include "personal/desktop_folder.h"
#include "ui/desktop_url_opener.h"
#include "ui/main_window.h"
#include "ui/note_places.h"
#include "ui/program_font.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_messages.h"
#include "ui/qt_printer_chooser.h"
#include "ui/startup_picture.h"

namespace vendarion {
namespace {

// The oldest toolkit the window is made for: 6.2, weighed as major * 10000 + minor.
constexpr int kRequiredToolkit = 60002;
constexpr int kOutOfMemoryText = 1307;

std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 0; i < argc; ++i) {
        if (i > 0) line += ' ';
        line += argv[i];
    }
    return line;
}

// The note program and its icon lie beside the program; an installed icon is found
// by its name.
NotePlaces FindNotePlaces(const std::string& program_path) {
    NotePlaces places;
    places.desktop_folder = UserDesktopFolder();
    places.icon = "vendarion-memolet";
    const std::size_t slash = program_path.rfind('/');
    if (slash == std::string::npos) return places;
    const std::string folder = program_path.substr(0, slash + 1);
    places.note_program = folder + "memolet";
    const std::string icon = folder + places.icon + ".png";
    if (::access(icon.c_str(), R_OK) == 0) places.icon = icon;
    return places;
}

}  // namespace

int RunProgram(int argc, char** argv) {
    QApplication application(argc, argv);
    UseProgramFont(application);
    SettingsFile settings(DefaultSettingsPath());
    RemoveStaleTemporaries(settings.path());
    QtMessages messages;
    QtFileChooser files;
    LinuxPlatform platform;
    QtDriveChooser drive_chooser;
    StartupServices services{settings, messages, platform, drive_chooser};
    if (!CheckOperatingSystem(platform, settings, messages)) return 1;
    if (!CheckToolkitVersion(qVersion(), kRequiredToolkit, messages)) return 1;
    // A copy that was never set up finds the archives of an installed or built copy.
    const char* data_dirs = std::getenv("XDG_DATA_DIRS");
    (void)SetUpUnlessDone(platform, settings.path(), data_dirs != nullptr ? data_dirs : "",
                          VENDARION_BUILD_DATA_DIR);
    const StartupSwitches switches = ParseSwitches(CommandLine(argc, argv));

    AlsaAudioOutput audio;
    QtPrinterChooser printers;
    // The desktop's answer for tel: links comes while the data is opened.
    DesktopUrlOpener desktop;
    desktop.Prepare("tel");
    TapiDialer lines(settings, [&settings, &desktop] {
        return DiscoverLines(settings, FindSerialPorts(), &desktop);
    });
    Application data;
    if (!data.InitData(services, switches)) return 1;
    {
        // The one enumeration of the run finds the line devices; the list itself is
        // not needed here.
        TapiLineList discarded;
        (void)lines.EnumerateLines(&discarded);
    }
    {
        StartupPicture picture;
        picture.exec();
    }
    const NotePlaces note_places = FindNotePlaces(platform.ProgramPath());
    // A settings write of the window that fails is told to the user, the first time.
    ReportedSettings window_settings(settings, messages);
    std::unique_ptr<MainWindow> window =
        MainWindow::Create({*data.Data(), data.Stores(), window_settings, messages, audio, lines,
                            printers, files, note_places});
    if (window == nullptr) {
        ShowStartupMessage(messages, kOutOfMemoryText, MessageIcon::kStop);
        return 1;
    }
    messages.SetParent(window.get());
    window->show();
    // The tips come after the window's first paint, as the user's first view.
    constexpr int kTipsDelayMilliseconds = 100;
    if (Read(settings, setting::kTipsOnStartup) == 1) {
        QTimer::singleShot(kTipsDelayMilliseconds, window.get(),
                           [&window] { window->ShowTips(true); });
    }
    QApplication::exec();
    messages.SetParent(nullptr);
    window.reset();
    data.Exit();
    return 0;
}

}  // namespace vendarion
