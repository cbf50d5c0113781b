// The main window on the national data set, offscreen.
//   BM_BookScreenCells:  the cells of one screen (40 rows x 8 columns) of a book of
//                        two million entries, as the list view asks for them, at a
//                        random place (a cold block) or one page on (scrolling).
//   BM_BookScreenPaint:  the same screen painted by the list view itself.
//   BM_BookInWindow:     what showing a whole book in the window's list adds to the
//                        heap and how long it takes until the list is painted, for
//                        the large book and a book of about 1,000 entries, the two
//                        interleaved in every iteration.
//   BM_StartupToWindow:  data initialisation (locating, checking and opening the four
//                        archives) and the main window created, shown and laid out;
//                        without the three-second start-up picture.
// Data: VENDARION_BENCH_DATA, else build/national; book: VENDARION_BENCH_BOOK, else 516
// (Berlin in the national set, about two million entries).
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QTreeView>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "app/application.h"
#include "app/drive_choice.h"
#include "app/linux_platform.h"
#include "app/settings_file.h"
#include "base/atomic_file.h"
#include "base/messages.h"
#include "base/setting_names.h"
#include "dial/tapi_dialer.h"
#include "dial/wave_file_output.h"
#include "resources/string_table.h"
#include "search/list_rows.h"
#include "search/result_list.h"
#include "store/data_set.h"
#include "ui/entry_rows.h"
#include "ui/file_chooser.h"
#include "ui/list_model.h"
#include "ui/list_pane.h"
#include "ui/list_spec.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "ui/note_places.h"
#include "ui/qt_printer_chooser.h"

namespace vendarion {
namespace {

constexpr int kScreenRows = 40;
constexpr int kNamesSpec = 2104;

std::string DataFolder() {
    const char* folder = std::getenv("VENDARION_BENCH_DATA");
    return folder != nullptr && *folder != '\0' ? folder : "build/national";
}

int BenchBook() {
    const char* book = std::getenv("VENDARION_BENCH_BOOK");
    return book != nullptr && *book != '\0' ? std::atoi(book) : 516;
}

// Chooses no file.
class NoFileChooser final : public FileChooser {
public:
    std::optional<QString> SaveFileName(QWidget*, const SaveFileQuestion&) override {
        return std::nullopt;
    }
};

class SilentMessages final : public Messages {
public:
    MessageAnswer Show(const Message& message) override {
        ++shown;
        return message.default_answer;
    }
    int shown = 0;
};

// A whole book behind the list model, as the names list shows it.
struct BookList {
    DataSet data;
    ResultList results;
    std::unique_ptr<ListRows> rows;
    std::unique_ptr<SearchRows> source;
    ListModel model;

    bool Open() {
        if (data.Open(DataFolder()) != DataSetStep::kComplete) return false;
        rows = std::make_unique<ListRows>(data.Books(), results);
        rows->ShowBook(BenchBook());
        source = std::make_unique<SearchRows>(*rows);
        model.SetSource(source.get(), ParseListSpec(LoadString(kNamesSpec), "").columns);
        return model.rowCount() > 0;
    }
};

BookList& SharedBook() {
    static BookList book;
    static const bool open = book.Open();
    if (!open)
        std::fprintf(stderr, "cannot open book %d in %s\n", BenchBook(), DataFolder().c_str());
    return book;
}

// The first row of the next screen: random (range(0) == 0) or one page on.
int NextTop(benchmark::State& state, std::mt19937& random, int top, int rows) {
    if (state.range(0) == 0)
        return std::uniform_int_distribution<int>(0, rows - kScreenRows)(random);
    top += kScreenRows;
    return top + kScreenRows <= rows ? top : 0;
}

void BM_BookScreenCells(benchmark::State& state) {
    BookList& book = SharedBook();
    const int rows = book.model.rowCount();
    if (rows < kScreenRows) {
        state.SkipWithError("book not available");
        return;
    }
    std::mt19937 random(42);
    int top = 0;
    for (auto _ : state) {
        top = NextTop(state, random, top, rows);
        for (int row = top; row < top + kScreenRows; ++row) {
            for (int column = 0; column < book.model.columnCount(); ++column) {
                benchmark::DoNotOptimize(book.model.index(row, column).data());
            }
        }
    }
    state.counters["book_rows"] = rows;
    state.SetLabel(state.range(0) == 0 ? "random place" : "page by page");
}
BENCHMARK(BM_BookScreenCells)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_BookScreenPaint(benchmark::State& state) {
    BookList& book = SharedBook();
    const int rows = book.model.rowCount();
    if (rows < kScreenRows) {
        state.SkipWithError("book not available");
        return;
    }
    QTreeView view;
    view.setRootIsDecorated(false);
    view.setUniformRowHeights(true);
    view.setModel(&book.model);
    view.resize(1000, 40 + kScreenRows * view.fontMetrics().height() * 5 / 4);
    QPixmap target(view.size());
    std::mt19937 random(42);
    int top = 0;
    for (auto _ : state) {
        top = NextTop(state, random, top, rows);
        view.scrollTo(book.model.index(top, 0), QAbstractItemView::PositionAtTop);
        view.render(&target);
    }
    state.SetLabel(state.range(0) == 0 ? "random place" : "page by page");
}
BENCHMARK(BM_BookScreenPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The book whose entry count is nearest to 1,000.
int SmallBook(BookList& book) {
    const BookData& books = book.data.Books().Books();
    int best = 0;
    for (int b = 1; b < BookData::BookCount(); ++b) {
        if (std::abs(books.EntryCount(b) - 1000) < std::abs(books.EntryCount(best) - 1000))
            best = b;
    }
    return best;
}

// Heap in use: the allocator's arenas and the blocks it maps on their own.
double HeapMib() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

struct BookCost {
    double heap_mib = 0;
    double seconds = 0;
    int rows = 0;
};

// A list pane as the window has it, shown with an empty list; then the book is put
// behind its model and the list painted: the heap it added and the time it took.
BookCost ShowBookInPane(BookList& shared, int book_number) {
    ResultList results;
    ListRows rows(shared.data.Books(), results);
    rows.ShowBook(book_number);
    SearchRows source(rows);
    const std::vector<ListColumn> columns = ParseListSpec(LoadString(kNamesSpec), "").columns;
    ListModel model;
    ListPane pane;
    pane.resize(1000, 700);
    pane.View()->setModel(&model);
    pane.show();
    QApplication::processEvents();
    static_cast<void>(pane.View()->viewport()->grab());
    BookCost cost;
    const double heap = HeapMib();
    const auto start = std::chrono::steady_clock::now();
    model.SetSource(&source, columns);
    QApplication::processEvents();
    static_cast<void>(pane.View()->viewport()->grab());
    cost.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cost.heap_mib = HeapMib() - heap;
    cost.rows = model.rowCount();
    return cost;
}

void BM_BookInWindow(benchmark::State& state) {
    BookList& book = SharedBook();
    if (book.model.rowCount() < kScreenRows) {
        state.SkipWithError("book not available");
        return;
    }
    const int small = SmallBook(book);
    BookCost large_total;
    BookCost small_total;
    for (auto _ : state) {
        const BookCost small_cost = ShowBookInPane(book, small);
        const BookCost large_cost = ShowBookInPane(book, BenchBook());
        small_total.heap_mib += small_cost.heap_mib;
        small_total.seconds += small_cost.seconds;
        small_total.rows = small_cost.rows;
        large_total.heap_mib += large_cost.heap_mib;
        large_total.seconds += large_cost.seconds;
        large_total.rows = large_cost.rows;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["large_rows"] = large_total.rows;
    state.counters["small_rows"] = small_total.rows;
    state.counters["large_heap_mib"] = large_total.heap_mib / n;
    state.counters["small_heap_mib"] = small_total.heap_mib / n;
    state.counters["large_ms"] = large_total.seconds / n * 1e3;
    state.counters["small_ms"] = small_total.seconds / n * 1e3;
    state.counters["extra_heap_mib"] = (large_total.heap_mib - small_total.heap_mib) / n;
    state.counters["extra_ms"] = (large_total.seconds - small_total.seconds) / n * 1e3;
}
BENCHMARK(BM_BookInWindow)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5);

// A settings file that names the four archives of the data folder.
std::string WriteSettings() {
    const std::string path = "/tmp/vendarion-bench-" + std::to_string(::getpid()) + ".reg";
    std::string text =
        "Windows Registry Editor Version "
        "5.00\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\n";
    for (const char* name : {"Index", "Code", "List", "Data"}) {
        text += std::string("\"") + name + "Filename\"=\"" + DataFolder() + "/" + name + ".mf\"\n";
    }
    return ReplaceFileContents(path, text) ? path : std::string();
}

class NoDriveChoice final : public DriveChooser {
public:
    std::optional<std::string> Choose(const DriveChoice&) override { return std::nullopt; }
};

void BM_StartupToWindow(benchmark::State& state) {
    const std::string settings_path = WriteSettings();
    SettingsFile settings(settings_path);
    SilentMessages messages;
    NoFileChooser files;
    LinuxPlatform platform;
    NoDriveChoice drives;
    WaveFileOutput audio("/dev/null");
    TapiDialer lines(settings, {});
    QtPrinterChooser printers;
    StartupServices services{settings, messages, platform, drives};
    const NotePlaces note_places;
    for (auto _ : state) {
        Application application;
        if (!application.InitData(services, {})) {
            state.SkipWithError("data initialisation failed");
            break;
        }
        std::unique_ptr<MainWindow> window =
            MainWindow::Create({*application.Data(), application.Stores(), settings, messages,
                                audio, lines, printers, files, note_places});
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        application.Exit();
        state.ResumeTiming();
    }
    std::remove(settings_path.c_str());
}
BENCHMARK(BM_StartupToWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vendarion

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
