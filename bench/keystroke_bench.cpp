// One keystroke in an input field of the main window on the national data set,
// offscreen: from the key event through the real widgets to the completed text, the
// positioned list and the repainted window. For the town, postal code, area code and
// national surname fields, beginnings of random rows of the field's list are typed
// key by key, each from an empty field; each keystroke is timed alone.
//   vendarion-keys-bench [KEYSTROKES_PER_FIELD]   (default 2000)
// Data: VENDARION_BENCH_DATA, else build/national. Prints median, p99 and the
// slowest keystroke per field, and how many keystrokes of a key held down (30 a
// second) would have waited behind the one before.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "base/messages.h"
#include "dial/tapi_dialer.h"
#include "dial/wave_file_output.h"
#include "personal/personal_stores.h"
#include "store/data_set.h"
#include "ui/field_edit.h"
#include "ui/file_chooser.h"
#include "ui/input_panels.h"
#include "ui/list_controller.h"
#include "ui/main_window.h"
#include "ui/note_places.h"
#include "ui/qt_printer_chooser.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

using Clock = std::chrono::steady_clock;

// A key held down repeats every 33 ms.
constexpr double kRepeatMilliseconds = 1000.0 / 30;
constexpr int kLongestPrefix = 6;

// Chooses no file.
class NoFileChooser final : public FileChooser {
public:
    std::optional<QString> SaveFileName(QWidget*, const SaveFileQuestion&) override {
        return std::nullopt;
    }
};

class SilentMessages final : public Messages {
public:
    MessageAnswer Show(const Message& message) override { return message.default_answer; }
};

struct FieldRun {
    const char* name;
    ListType list;
    InputField field;
};

double Percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
    return values[at];
}

// Types beginnings of random rows until count keystrokes were timed.
std::vector<double> TimeKeystrokes(MainWindow& window, const FieldRun& run, int count,
                                   std::mt19937& random) {
    window.Lists().ShowList(run.list, true);
    QLineEdit* edit = window.Inputs()->Edit(run.field);
    const int rows = window.Lists().RowCount();
    std::vector<double> times;
    if (rows == 0) return times;
    std::uniform_int_distribution<int> pick(0, rows - 1);
    while (static_cast<int>(times.size()) < count) {
        const QString text = ToQString(window.Lists().RowText(pick(random), 0)).trimmed();
        edit->clear();
        QApplication::processEvents();
        for (int i = 0; i < std::min<int>(kLongestPrefix, static_cast<int>(text.size())); ++i) {
            const QChar c = text.at(i);
            const auto start = Clock::now();
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
            // The posted work and the repaint of the window belong to the keystroke.
            QApplication::processEvents();
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    return times;
}

int Run(int count) {
    const char* folder_variable = std::getenv("VENDARION_BENCH_DATA");
    const std::string folder =
        folder_variable != nullptr && *folder_variable != '\0' ? folder_variable : "build/national";
    DataSet data;
    if (data.Open(folder) != DataSetStep::kComplete) {
        std::printf("skipped: no national data set in %s\n", folder.c_str());
        return 0;
    }
    // The defaults of every setting; nothing is written.
    SettingsFile settings("/nonexistent/Vendarion.reg");
    SilentMessages messages;
    NoFileChooser files;
    PersonalStores stores;
    WaveFileOutput audio("/dev/null");
    TapiDialer lines(settings, {});
    QtPrinterChooser printers;
    const NotePlaces note_places;
    std::unique_ptr<MainWindow> window = MainWindow::Create(
        {data, stores, settings, messages, audio, lines, printers, files, note_places});
    if (window == nullptr) return 1;
    window->resize(1280, 800);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    std::mt19937 random(7);
    const FieldRun runs[] = {
        {"Ort (towns)", ListType::kTowns, InputField::kTown},
        {"Postleitzahl", ListType::kPostalCodes, InputField::kPostalCode},
        {"Vorwahl", ListType::kAreaCodes, InputField::kAreaCode},
        {"Name (national surnames)", ListType::kSurnames, InputField::kName},
    };
    std::printf("%-26s %8s %10s %10s %10s %12s\n", "field", "rows", "median ms", "p99 ms", "max ms",
                "over 33 ms");
    for (const FieldRun& run : runs) {
        const std::vector<double> times = TimeKeystrokes(*window, run, count, random);
        if (times.empty()) continue;
        const auto waiting = std::count_if(times.begin(), times.end(),
                                           [](double ms) { return ms > kRepeatMilliseconds; });
        std::printf("%-26s %8d %10.3f %10.3f %10.3f %12ld\n", run.name, window->Lists().RowCount(),
                    Percentile(times, 0.5), Percentile(times, 0.99),
                    *std::max_element(times.begin(), times.end()), static_cast<long>(waiting));
    }
    return 0;
}

}  // namespace
}  // namespace vendarion

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    return vendarion::Run(count);
}
