// A main window over the sample data set, for the widget tests: in-memory settings,
// scripted message boxes, and (when asked) personal stores in a temporary folder.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "dial/tapi_dialer.h"
#include "dial/wave_file_output.h"
#include "personal/personal_stores.h"
#include "query/name_mode.h"
#include "sample_data_set.h"
#include "search/list_type.h"
#include "store/data_set.h"
#include "support/memory_settings.h"
#include "support/pdf_printer_chooser.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "ui/input_field.h"
#include "ui/note_places.h"

class QLineEdit;
class QWidget;
class QTreeView;

namespace vendarion {

class ListController;
class MainWindow;

namespace test {

class WindowHarness {
public:
    struct Options {
        bool stores = false;  // a hard-disk copy with its phone book and notes
        bool show = true;
        // Fills the settings before the window is made.
        std::function<void(Settings&)> prepare;
    };

    WindowHarness() : WindowHarness(Options{}) {}
    explicit WindowHarness(const Options& options);
    // change_data changes the sample data set before it is written.
    WindowHarness(const Options& options, const std::function<void(SampleDataSet&)>& change_data);
    ~WindowHarness();

    MainWindow& Window() { return *window_; }
    ListController& Lists();
    QTreeView* View();

    // Selects the list type's node in the tree, as a click would.
    void ChooseInTree(ListType type);
    // Runs a command through its action.
    void Trigger(int command);
    // Chooses a name mode in the menu of the mode button.
    void ChooseMode(NameMode mode);
    // Types text into a field key by key.
    void Type(InputField field, const QString& text);
    QLineEdit* Edit(InputField field);
    // The cell as the view shows it.
    QString Cell(int row, int column);
    int Rows();
    QString Title();
    QString Status();
    // Makes these rows the selection, the first of them focused.
    void Select(std::initializer_list<int> rows);
    // Waits until no search runs or is pending; false after the time-out.
    [[nodiscard]] bool WaitForSearches();

    SampleDataSet sample = MakeSampleDataSet();
    MemorySettings settings;
    ScriptedMessages messages;
    ScriptedFileChooser files;
    DataSet data;
    PersonalStores stores;
    // The dial tones go into tones.wav in this folder.
    TempDir tones_dir;
    WaveFileOutput audio{tones_dir.path() + "/tones.wav"};
    // The line devices, found on first use by discover_lines (none when unset).
    LineDiscovery discover_lines;
    TapiDialer lines{settings, [this] {
                         return discover_lines ? discover_lines()
                                               : std::vector<std::unique_ptr<LineDevice>>();
                     }};
    // Print jobs go into a PDF file, or are cancelled.
    PdfPrinterChooser printers;
    // Launchers go into desktop/ of this folder; the window reads note_places at each
    // command, so a test may name a note program after the window is made.
    TempDir notes_dir;
    NotePlaces note_places;

private:
    TempDir dir_;
    std::unique_ptr<MainWindow> window_;
};

// Types text key by key, also characters that no key of the test keyboard makes.
void TypeInto(QWidget* widget, const QString& text);

// Windows-1252 bytes as the window shows them.
QString Shown(std::string_view cp1252);

}  // namespace test
}  // namespace vendarion
