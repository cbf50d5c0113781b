// vendarion-screenshots: drives the main window over a data set into its typical
// views (the start page, the town list after typing Köln, a completion in the town
// field, the whole book of a town, a search result with its detail card, the
// line-limit notice, the bank codes) and saves each as a PNG of the screen's size;
// then the export dialog and the about box, each at its own size.
//   vendarion-screenshots --data DIR --out DIR [--town TEXT] [--surname TEXT]
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/settings_file.h"
#include "base/messages.h"
#include "dial/modem_line.h"
#include "dial/tapi_dialer.h"
#include "dial/wave_file_output.h"
#include "note_card.h"
#include "personal/entry_store.h"
#include "personal/personal_stores.h"
#include "resources/banner_strips.h"
#include "store/data_set.h"
#include "ui/about_box.h"
#include "ui/animated_banner.h"
#include "ui/carrier_notice_dialog.h"
#include "ui/export_dialog.h"
#include "ui/field_edit.h"
#include "ui/file_chooser.h"
#include "ui/input_panels.h"
#include "ui/line_settings_dialog.h"
#include "ui/list_controller.h"
#include "ui/list_pane.h"
#include "ui/list_searches.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "ui/name_panel.h"
#include "ui/note_places.h"
#include "ui/options_dialog.h"
#include "ui/print_command.h"
#include "ui/program_font.h"
#include "ui/qt_printer_chooser.h"
#include "ui/tips_dialog.h"
#include "ui/ui_text.h"
#include "ui/window_commands.h"

namespace vendarion {
namespace {

// Answers every box with its default button; nothing is shown.
class SilentMessages final : public Messages {
public:
    MessageAnswer Show(const Message& message) override { return message.default_answer; }
};

// Chooses no file.
class NoFileChooser final : public FileChooser {
public:
    std::optional<QString> SaveFileName(QWidget*, const SaveFileQuestion&) override {
        return std::nullopt;
    }
};

struct Options {
    std::string data;
    std::string out = ".";
    QString town = QStringLiteral("Berlin");
    QString surname = QStringLiteral("Maier");
};

bool ParseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--data") {
            options->data = value;
        } else if (name == "--out") {
            options->out = value;
        } else if (name == "--town") {
            options->town = QString::fromUtf8(value);
        } else if (name == "--surname") {
            options->surname = QString::fromUtf8(value);
        } else {
            return false;
        }
    }
    return !options->data.empty() && argc % 2 == 1;
}

// Types key by key; characters beyond ASCII arrive as the text of a key press.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void Settle(MainWindow& window) {
    (void)QTest::qWaitFor([&window] { return !window.Lists().Searches().SearchRunning(); }, 60000);
    QTest::qWait(300);
}

// Chooses a name mode as the user does, in the menu of the mode button.
void ChooseMode(InputPanels* inputs, int mode) {
    inputs->Names()->ModeMenu()->actions().at(mode - 1)->trigger();
    QApplication::processEvents();
}

// The window, or with screen the whole screen (with an open menu on it).
bool Save(MainWindow& window, const Options& options, const char* name, bool screen = false) {
    Settle(window);
    const QSize size = window.screen()->size();
    const std::string path = options.out + "/" + name + "-" + std::to_string(size.width()) + "x" +
                             std::to_string(size.height()) + ".png";
    const QPixmap picture = screen ? window.screen()->grabWindow(0) : window.grab();
    const bool saved = picture.save(QString::fromStdString(path));
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", path.c_str());
    return saved;
}

// The menus of the bar that act on entries, the context menu of a row, and the
// carrier notice, each open on the screen.
bool SaveDialog(QDialog& dialog, const Options& options, const char* name);

bool SaveMenus(MainWindow& window, const Options& options) {
    bool saved = true;
    const QList<QAction*> titles = window.menuBar()->actions();
    for (const int index : {1, 4}) {
        QMenu* menu = titles.at(index)->menu();
        menu->popup(window.menuBar()->mapToGlobal(
            window.menuBar()->actionGeometry(titles.at(index)).bottomLeft()));
        const std::string name = "menu" + std::to_string(index);
        saved = Save(window, options, name.c_str(), true) && saved;
        menu->close();
    }
    QTreeView* view = window.Pane()->View();
    const QRect row = view->visualRect(view->currentIndex());
    QMenu* context = window.Commands().ContextMenu(
        {.type = window.Lists().Type(), .rows = window.Lists().RowCount(), .selected = 1}, &window);
    context->popup(view->viewport()->mapToGlobal(row.center()));
    saved = Save(window, options, "context", true) && saved;
    context->close();
    CarrierNoticeDialog notice(&window);
    saved = SaveDialog(notice, options, "carrier-notice") && saved;
    return saved;
}

// A dialog on its own, as it opens.
bool SaveDialog(QDialog& dialog, const Options& options, const char* name) {
    dialog.show();
    QTest::qWait(200);
    const std::string path = options.out + "/" + name + ".png";
    const bool saved = dialog.grab().save(QString::fromStdString(path));
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", path.c_str());
    dialog.close();
    return saved;
}

// The options and the tips as they open; the options once more with two lines, the
// modem chosen, and that modem's settings.
bool SaveDialogs(MainWindow& window, DataSet& data, Settings& settings, Messages& messages,
                 const Options& options) {
    OptionsDialog options_dialog(settings, messages, {}, &window);
    bool saved = SaveDialog(options_dialog, options, "options");
    OptionsDialog with_lines(settings, messages,
                             {{"Acme Voice 56K", 1}, {FromQString(UiString(1796)), 2}}, &window);
    with_lines.Modem()->setChecked(true);
    saved = SaveDialog(with_lines, options, "options-lines") && saved;
    ModemLine modem(settings, {"/dev/ttyUSB0", {}}, {});
    LineSettingsDialog line_settings(settings, modem, &window);
    saved = SaveDialog(line_settings, options, "line-settings") && saved;
    const ByteView member = data.ListArchive().Member("TipsAndTricks.txt");
    std::unique_ptr<TipsDialog> tips =
        TipsDialog::Open(member.CString(0, member.size()), settings, messages, true, &window);
    if (tips != nullptr) saved = SaveDialog(*tips, options, "tips") && saved;
    return saved && tips != nullptr;
}

// The first 75 rows of the list, printed to a PDF file as the print command does.
bool SavePrint(MainWindow& window, const Options& options) {
    std::vector<PrintRow> rows;
    for (int row = 0; row < std::min(kMaxPrintRows, window.Lists().RowCount()); ++row) {
        const auto cell = [&window, row](int column) {
            return window.Lists().RowText(row, column);
        };
        rows.push_back({cell(8), cell(2), cell(3), cell(6), cell(7), cell(9), cell(4), cell(5)});
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string path = options.out + "/list.pdf";
    printer.setOutputFileName(QString::fromStdString(path));
    const bool printed = PrintCommand::Render(printer, rows, FromQString(window.Pane()->Title()));
    std::printf("%s %s\n", printed ? "wrote" : "cannot write", path.c_str());
    return printed;
}

// Three frames of each animation of the banner: the first, one in the middle and the
// last, side by side in one picture.
bool SaveBannerFrames(const Options& options) {
    constexpr int kFrames[] = {7, 11, 19, 5, 10};
    QImage sheet(3 * kBannerFrameWidth + 20, 5 * kBannerFrameRows + 40, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int animation = 0; animation < 5; ++animation) {
        const std::string_view png = BannerStrip(animation);
        const QImage strip = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                              static_cast<int>(png.size()), "PNG");
        const int frames = kFrames[animation];
        const int shown[] = {0, frames / 2, frames - 1};
        for (int i = 0; i < 3; ++i) {
            painter.drawImage(
                QPoint(i * (kBannerFrameWidth + 10), animation * (kBannerFrameRows + 8)),
                strip.copy(0, shown[i] * kBannerFrameRows, kBannerFrameWidth,
                           AnimatedBanner::kHeight));
        }
    }
    painter.end();
    const std::string path = options.out + "/banner-frames.png";
    const bool saved = sheet.save(QString::fromStdString(path));
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", path.c_str());
    return saved;
}

// A widget as it is drawn now.
bool SaveWidget(QWidget* dialog, const Options& options, const char* name) {
    const std::string path = options.out + "/" + name + ".png";
    const bool saved = dialog->grab().save(QString::fromStdString(path));
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", path.c_str());
    return saved;
}

// The export dialog with a file name, and the about box over the window.
bool SaveExportAndAbout(MainWindow& window, DataSet& data, Settings& settings, Messages& messages,
                        const Options& options) {
    NoFileChooser files;
    ExportDialog dialog(&window, settings, messages, files);
    dialog.FileNameEdit()->setText(QStringLiteral("/home/benutzer/Namen.csv"));
    dialog.show();
    (void)QTest::qWaitForWindowExposed(&dialog);
    bool saved = SaveWidget(&dialog, options, "export-dialog");
    dialog.close();
    QTimer::singleShot(300, &window, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) return;
        saved = SaveWidget(box, options, "about-box") && saved;
        box->close();
    });
    ShowAboutBox(&window, data);
    return saved;
}

// The note program's card for the focused entry of the list, over a store of its own.
bool SaveNoteCard(MainWindow& window, const Options& options) {
    const std::optional<SubscriberEntry> entry =
        window.Lists().RowEntry(std::max(window.Lists().FocusedRow(), 0));
    QTemporaryDir folder;
    if (!entry || !folder.isValid()) return false;
    const std::string path = folder.filePath(QStringLiteral("Memolet.vdr")).toStdString();
    EntryStore notes;
    notes.Insert(*entry,
                 "R\xFC"
                 "ckruf wegen des Termins am Montag.\nUnterlagen mitbringen.",
                 1);
    if (notes.Save(path) != 0) return false;
    SilentMessages messages;
    std::unique_ptr<NoteCard> card = NoteCard::Open(path, 1, messages);
    if (card == nullptr) return false;
    card->show();
    (void)QTest::qWaitForWindowExposed(card.get());
    return SaveWidget(card.get(), options, "memolet");
}

int Run(const Options& options) {
    DataSet data;
    if (data.Open(options.data) != DataSetStep::kComplete) {
        std::fprintf(stderr, "cannot open the data set in %s\n", options.data.c_str());
        return 1;
    }
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
    window->setGeometry(window->screen()->geometry());
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    InputPanels* inputs = window->Inputs();

    bool saved = Save(*window, options, "start");

    window->RunCommand(command::kTowns);
    TypeText(inputs->Edit(InputField::kTown), QStringLiteral("Köln"));
    saved = Save(*window, options, "towns") && saved;

    inputs->Edit(InputField::kTown)->clear();
    TypeText(inputs->Edit(InputField::kTown), QStringLiteral("Ber"));
    saved = Save(*window, options, "completion") && saved;

    inputs->Edit(InputField::kTown)->clear();
    TypeText(inputs->Edit(InputField::kTown), options.town);

    window->RunCommand(command::kGo);
    saved = Save(*window, options, "book") && saved;

    TypeText(inputs->Edit(InputField::kName), options.surname);
    inputs->ShowModeMenu();
    saved = Save(*window, options, "modemenu", true) && saved;
    inputs->Names()->ModeMenu()->close();
    ChooseMode(inputs, 3);
    Settle(*window);
    window->Lists().SelectRow(std::min(3, window->Lists().RowCount() - 1));
    saved = Save(*window, options, "result") && saved;
    saved = SaveNoteCard(*window, options) && saved;
    saved = SaveMenus(*window, options) && saved;
    saved = SavePrint(*window, options) && saved;
    saved = SaveDialogs(*window, data, settings, messages, options) && saved;
    saved = SaveBannerFrames(options) && saved;

    // A search that follows typing reports the line limit above the list.
    inputs->Edit(InputField::kName)->clear();
    TypeText(inputs->Edit(InputField::kName), QStringLiteral("e"));
    ChooseMode(inputs, 6);
    Settle(*window);
    TypeText(inputs->Edit(InputField::kName), QStringLiteral("r"));
    saved = Save(*window, options, "notice") && saved;

    window->RunCommand(command::kBankCodes);
    window->Lists().SelectRow(std::min(5, window->Lists().RowCount() - 1));
    saved = Save(*window, options, "banks") && saved;

    // A narrow window puts the fields one to a row.
    constexpr int kNarrowWidth = 760;
    constexpr int kNarrowHeight = 620;
    window->setGeometry(QRect(window->geometry().topLeft(), QSize(kNarrowWidth, kNarrowHeight)));
    window->RunCommand(command::kTowns);
    inputs->Edit(InputField::kTown)->clear();
    TypeText(inputs->Edit(InputField::kTown), QStringLiteral("Ber"));
    saved = Save(*window, options, "narrow") && saved;
    saved = SaveExportAndAbout(*window, data, settings, messages, options) && saved;
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace vendarion

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vendarion::UseProgramFont(application);
    vendarion::Options options;
    if (!vendarion::ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: vendarion-screenshots --data DIR --out DIR [--town TEXT] "
                     "[--surname TEXT]\n");
        return 2;
    }
    return vendarion::Run(options);
}
