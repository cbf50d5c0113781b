// The commands on entries through the window: which commands each list and
// selection enables, the phone book (add, remove, kept across runs, a failed save),
// the neighbourhood search, dialling with its questions and the tones it plays, and
// the context menus.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <set>

#include "base/ascii_text.h"
#include "base/setting_names.h"
#include "dial/line_discovery.h"
#include "gui_test_classes.h"
#include "modem_emulator.h"
#include "output/print_layout.h"
#include "personal/personal_stores.h"
#include "ui/carrier_notice_dialog.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/window_commands.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

// Records the links handed to the desktop; the desktop has a tel: program.
class RecordingOpener final : public UrlOpener {
public:
    bool HasHandler(std::string_view scheme) override { return scheme == "tel"; }
    bool Open(std::string_view url) override {
        opened.emplace_back(url);
        return true;
    }
    std::vector<std::string> opened;
};

constexpr int kAreaCodeColumn = 4;
constexpr int kNumberColumn = 5;

void OpenBerlin(WindowHarness& harness) {
    harness.ChooseInTree(ListType::kTowns);
    harness.Type(InputField::kTown, QStringLiteral("Berl"));
    harness.Trigger(40020);
    QCOMPARE(harness.Lists().Type(), ListType::kNames);
}

// The first row whose cell passes the test; -1 when none.
template <typename Test>
int FirstRow(WindowHarness& harness, int column, Test test) {
    for (int row = 0; row < harness.Rows(); ++row) {
        if (test(harness.Lists().RowText(row, column))) return row;
    }
    return -1;
}

// Adds rows of the Berlin book to the phone book and shows it.
void FillPhoneBook(WindowHarness& harness, std::initializer_list<int> rows) {
    OpenBerlin(harness);
    harness.Select(rows);
    harness.Trigger(40017);
    harness.messages.Clear();
    harness.ChooseInTree(ListType::kPhoneBook);
}

// The keys an independent decoder hears in the tones written to path.
QString DecodeTones(const QString& path) {
    QProcess decoder;
    decoder.start(QStringLiteral("bash"),
                  {QStringLiteral("-c"),
                   QStringLiteral("sox '%1' -t raw -r 22050 -e signed-integer -b 16 -c 1 - | "
                                  "multimon-ng -q -c -a DTMF -t raw - 2>/dev/null | "
                                  "sed -n 's/^DTMF: //p' | tr -d '\\n'")
                       .arg(path)});
    if (!decoder.waitForFinished(30000)) return {};
    return QString::fromLatin1(decoder.readAllStandardOutput());
}

// The output of a program that reads the PDF, its lines with the blanks of each
// collapsed; empty when it does not run.
QStringList PdfLines(const QString& program, const QStringList& arguments) {
    QProcess reader;
    reader.start(program, arguments);
    if (!reader.waitForFinished(30000)) return {};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n')) {
        const QString simple = line.simplified().remove(QChar(u'\f'));
        if (!simple.isEmpty()) lines << simple;
    }
    return lines;
}

class EntriesTest : public QObject {
    Q_OBJECT

private slots:
    void EachListAndSelectionEnablesItsCommands() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        // What the command table says, for the commands on entries and fields.
        const std::vector<int> commands = {40019, 57607, 57609, 40017, 40018, 40041,
                                           40042, 40054, 40044, 40014, 40043, 40020};
        struct Case {
            ListType list;
            std::vector<int> selected;
            std::set<int> enabled;
        };
        const std::vector<Case> cases = {
            {ListType::kTowns, {}, {40044, 40020}},
            {ListType::kTowns, {1}, {40044, 40020}},
            {ListType::kTowns, {1, 2}, {40044, 40020}},
            {ListType::kNames, {}, {40044, 40020}},
            {ListType::kNames,
             {3},
             {40019, 57607, 57609, 40017, 40041, 40044, 40014, 40043, 40020}},
            {ListType::kNames, {3, 4}, {40019, 57607, 57609, 40017, 40044, 40020}},
            {ListType::kPhoneBook, {}, {}},
            {ListType::kPhoneBook, {0}, {40019, 57607, 57609, 40018, 40041, 40014}},
            {ListType::kPhoneBook, {0, 1}, {40019, 57607, 57609, 40018}},
            {ListType::kPostalCodes, {1}, {40044}},
            {ListType::kCountryCodes, {1}, {40044}},
            {ListType::kNotes, {}, {}},
            {ListType::kNone, {}, {}},
        };
        FillPhoneBook(harness, {0, 1});
        for (const Case& test : cases) {
            if (test.list == ListType::kNames) {
                if (harness.Lists().Type() != ListType::kNames) OpenBerlin(harness);
            } else {
                harness.ChooseInTree(test.list);
            }
            QVERIFY(harness.WaitForSearches());
            harness.Select({});
            for (const int row : test.selected) {
                harness.View()->selectionModel()->select(
                    harness.View()->model()->index(row, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
            if (!test.selected.empty()) {
                harness.View()->selectionModel()->setCurrentIndex(
                    harness.View()->model()->index(test.selected.front(), 0),
                    QItemSelectionModel::NoUpdate);
            }
            for (const int command : commands) {
                QAction* action = harness.Window().Commands().Action(command);
                QVERIFY2(action != nullptr, qPrintable(QString::number(command)));
                QVERIFY2(action->isEnabled() == test.enabled.contains(command),
                         qPrintable(QStringLiteral("list %1, %2 selected, command %3")
                                        .arg(static_cast<int>(test.list))
                                        .arg(test.selected.size())
                                        .arg(command)));
            }
        }
        // Without a hard-disk copy nothing needs a store.
        WindowHarness cd;
        OpenBerlin(cd);
        cd.Select({2});
        QVERIFY(!cd.Window().Commands().Action(40017)->isEnabled());
        QVERIFY(cd.Window().Commands().Action(40019)->isEnabled());
    }

    void ThePhoneBookKeepsWhatIsAddedAndRemoved() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        OpenBerlin(harness);
        harness.Select({5});
        const QString name = harness.Cell(5, 0);
        harness.Trigger(40017);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1510});
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kInformation);
        harness.messages.Clear();
        // 75 at once go in; 76 are refused and nothing is added.
        std::vector<int> rows(76);
        for (int i = 0; i < 76; ++i) rows[i] = 10 + i;
        QItemSelectionModel* selection = harness.View()->selectionModel();
        selection->clearSelection();
        for (int i = 0; i < 76; ++i) {
            selection->select(harness.View()->model()->index(rows[i], 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        harness.Trigger(40017);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1315});
        QCOMPARE(harness.stores.phone_book->Count(), 1);
        harness.messages.Clear();
        selection->select(harness.View()->model()->index(rows[75], 0),
                          QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        harness.Trigger(40017);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1511});
        QVERIFY(harness.messages.Shown()[0].text.starts_with("75 "));
        QCOMPARE(harness.stores.phone_book->Count(), 76);

        // The list of the phone book; Delete removes after asking, No as default.
        harness.ChooseInTree(ListType::kPhoneBook);
        QCOMPARE(harness.Rows(), 76);
        harness.Select({3, 4});
        harness.View()->setFocus();
        harness.messages.Clear();
        QTest::keyClick(harness.View(), Qt::Key_Delete);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1513});
        QCOMPARE(harness.messages.Shown()[0].default_answer, MessageAnswer::kNo);
        QCOMPARE(harness.Rows(), 76);
        harness.messages.Answer(MessageAnswer::kYes);
        QTest::keyClick(harness.View(), Qt::Key_Delete);
        QCOMPARE(harness.Rows(), 74);
        // The selection stays at the first removed place.
        QCOMPARE(harness.Lists().SelectedRows(), std::vector<int>{3});
        // What a later run finds in the file.
        std::unique_ptr<EntryStore> reread = OpenEntryStore(harness.stores.phone_book_path);
        QVERIFY(reread != nullptr);
        QCOMPARE(reread->Count(), 74);
        bool found = false;
        for (int row = 0; row < harness.Rows(); ++row)
            found = found || harness.Cell(row, 0) == name;
        QVERIFY(found);
    }

    void APhoneBookThatCannotBeSavedIsReported() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        harness.stores.phone_book_path = "/nonexistent/folder/PhoneBook.vdr";
        OpenBerlin(harness);
        harness.Select({2});
        harness.Trigger(40017);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1341});
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kExclamation);
        // The book keeps the entry for the rest of the run.
        harness.ChooseInTree(ListType::kPhoneBook);
        QCOMPARE(harness.Rows(), 1);
    }

    void TheNeighbourhoodSearchListsTheStreetOfTheEntry() {
        WindowHarness harness;
        OpenBerlin(harness);
        const int with_street = FirstRow(harness, 3, [](const std::string& cell) {
            return cell.find("  ") != 0 && cell.find("  ") != std::string::npos;
        });
        QVERIFY(with_street >= 0);
        const std::string street_cell = harness.Lists().RowText(with_street, 3);
        const std::string street = street_cell.substr(0, street_cell.find("  "));
        harness.Select({with_street});
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40043);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1506});
        QVERIFY(harness.messages.Shown()[0].text.find("\"" + street + "\"") != std::string::npos);
        QVERIFY(harness.Lists().ShowsWholeBook());
        harness.messages.Clear();
        harness.Trigger(40043);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Edit(InputField::kStreet)->text(), Shown(street));
        QVERIFY(harness.Rows() > 0);
        for (int row = 0; row < harness.Rows(); ++row) {
            const std::string found = harness.Lists().RowText(row, 3);
            QVERIFY2(found.empty() || found.starts_with(street), found.c_str());
        }
    }

    void DiallingAsksThenPlaysTheTonesOfTheNumber() {
        WindowHarness harness;
        (void)Write(harness.settings, setting::kDialAmt, "0");
        OpenBerlin(harness);
        const int row =
            FirstRow(harness, kNumberColumn, [](const std::string& cell) { return !cell.empty(); });
        QVERIFY(row >= 0);
        const std::string area(TrimBlanks(harness.Lists().RowText(row, kAreaCodeColumn)));
        const std::string number(TrimBlanks(harness.Lists().RowText(row, kNumberColumn)));
        harness.Select({row});
        // The first call with the carrier prefix shows the notice: ticked, it is not
        // shown again.
        QTimer::singleShot(0, [] {
            auto* notice = qobject_cast<CarrierNoticeDialog*>(QApplication::activeModalWidget());
            QVERIFY(notice != nullptr);
            notice->DoNotShowAgain()->setChecked(true);
            notice->accept();
        });
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40014);
        QCOMPARE(Read(harness.settings, setting::kMorvantaNotice), 0);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1501});
        QCOMPARE(Shown(harness.messages.Shown()[0].text),
                 QStringLiteral("Soll die Telefonnummer \"0 01090 %1 %2\" jetzt gewählt werden?")
                     .arg(Shown(area), Shown(number)));
        const QString tones = QString::fromStdString(harness.tones_dir.path() + "/tones.wav");
        QVERIFY(!QFile::exists(tones));
        harness.messages.Clear();
        harness.Trigger(40014);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1501});
        QCOMPARE(DecodeTones(tones), QString::fromStdString("001090" + area + number));

        // A local call without asking: own area code, no carrier prefix.
        (void)Write(harness.settings, setting::kDialVorwahl, area);
        (void)Write(harness.settings, setting::kConfirmDial, 0);
        harness.messages.Clear();
        harness.Trigger(40014);
        QVERIFY(harness.messages.Shown().empty());
        QCOMPARE(DecodeTones(tones), QString::fromStdString("0" + number));

        // Through a line: nothing without one, and a line that does not exist fails
        // silently.
        (void)Write(harness.settings, setting::kDialUsingTAPI, 1);
        harness.Trigger(40014);
        QVERIFY(harness.messages.Shown().empty());
        (void)Write(harness.settings, setting::kTAPIDeviceId, 3);
        harness.Trigger(40014);
        QVERIFY(harness.messages.Shown().empty());
    }

    void TheLineChosenInTheOptionsDialsTheEntry() {
        ModemEmulator modem;
        ModemEmulator silent({.silent = true});
        RecordingOpener desktop;
        WindowHarness harness;
        harness.discover_lines = [&] {
            return DiscoverLines(harness.settings, {silent.Port(), modem.Port()}, &desktop);
        };
        (void)Write(harness.settings, setting::kDialAmt, "0");
        (void)Write(harness.settings, setting::kConfirmDial, 0);
        OpenBerlin(harness);
        const int row =
            FirstRow(harness, kNumberColumn, [](const std::string& cell) { return !cell.empty(); });
        QVERIFY(row >= 0);
        std::string digits = "0" + std::string(TrimBlanks(harness.Lists().RowText(row, 4))) +
                             std::string(TrimBlanks(harness.Lists().RowText(row, 5)));
        std::erase(digits, ' ');
        harness.Select({row});
        QTimer::singleShot(0, [] {
            auto* options = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            QVERIFY(options != nullptr);
            QCOMPARE(options->LineList()->count(), 2);
            QCOMPARE(options->LineList()->itemText(0), QStringLiteral("Acme Voice 56K"));
            QCOMPARE(options->LineList()->itemText(1),
                     QStringLiteral("Telefonprogramm des Desktops"));
            options->Modem()->setChecked(true);
            options->LineList()->setCurrentIndex(0);
            options->accept();
        });
        harness.Trigger(40012);
        QCOMPARE(Read(harness.settings, setting::kDialUsingTAPI), 1);
        QCOMPARE(Read(harness.settings, setting::kTAPIModem), std::string("Acme Voice 56K"));
        QCOMPARE(Read(harness.settings, setting::kTAPIDeviceId), 1);
        modem.Forget();
        harness.Trigger(40014);
        QCOMPARE(QString::fromStdString(modem.Received()),
                 QString::fromStdString("ATZ\rATDT" + digits + ";\r"));
        QVERIFY(harness.messages.Shown().empty());

        // The desktop's telephone program gets the number as a tel: link, and the
        // modem's line is closed first.
        (void)Write(harness.settings, setting::kTAPIDeviceId, 2);
        modem.Forget();
        harness.Trigger(40014);
        QCOMPARE(QString::fromStdString(modem.Received()), QStringLiteral("ATH\r"));
        QCOMPARE(desktop.opened, std::vector<std::string>{"tel:" + digits});
    }

    void AnEntryWithoutANumberIsNotDialled() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        SubscriberEntry entry;
        entry.fields[0] = "Ohnenummer";
        entry.fields[12] = "030";
        (void)harness.stores.phone_book->Insert(entry, "", -1);
        harness.ChooseInTree(ListType::kPhoneBook);
        harness.Select({0});
        harness.Trigger(40014);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1317});
    }

    void SeventyFiveEntriesArePrintedToAPdfPageByPage() {
        WindowHarness harness;
        const QString pdf = QString::fromStdString(harness.tones_dir.path() + "/list.pdf");
        harness.printers.path = pdf.toStdString();
        OpenBerlin(harness);
        QItemSelectionModel* selection = harness.View()->selectionModel();
        selection->clearSelection();
        const auto select = [&](int rows) {
            for (int row = 0; row < rows; ++row) {
                selection->select(harness.View()->model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        };
        select(76);
        harness.Trigger(57607);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1306});
        QCOMPARE(harness.printers.asked, 0);
        harness.messages.Clear();
        selection->clearSelection();
        select(75);
        harness.Trigger(57607);
        QVERIFY(harness.messages.Shown().empty());
        QCOMPARE(harness.printers.asked, 1);

        // What the entries' blocks say, in their order.
        QStringList blocks;
        for (int row = 0; row < 75; ++row) {
            const auto cell = [&](int column) { return harness.Lists().RowText(row, column); };
            const PrintRow entry{cell(8), cell(2), cell(3), cell(6),
                                 cell(7), cell(9), cell(4), cell(5)};
            for (const auto& line : BlockLines(entry)) blocks << Shown(line.second).simplified();
        }
        const QStringList info = PdfLines(QStringLiteral("pdfinfo"), {pdf});
        const QStringList count = info.filter(QStringLiteral("Pages:"));
        QCOMPARE(count.size(), 1);
        const int pages = count[0].section(u' ', 1).toInt();
        QVERIFY2(pages >= 2, qPrintable(count[0]));
        QStringList printed;
        for (int page = 1; page <= pages; ++page) {
            const QString number = QString::number(page);
            QStringList lines = PdfLines(QStringLiteral("pdftotext"),
                                         {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                          number, pdf, QStringLiteral("-")});
            QVERIFY(lines.size() > 2);
            QCOMPARE(lines[0], QStringLiteral("Vendarion: Namen in Berlin"));
            QCOMPARE(lines[1], QStringLiteral("(Seite %1)").arg(page));
            printed << lines.mid(2);
        }
        QCOMPARE(printed, blocks);

        // A cancelled dialog prints nothing and says nothing; a file that cannot be
        // written is reported.
        QFile::remove(pdf);
        harness.printers.path.clear();
        harness.Trigger(57607);
        QVERIFY(harness.messages.Shown().empty());
        QVERIFY(!QFile::exists(pdf));
        harness.printers.path = "/nonexistent/folder/list.pdf";
        harness.Trigger(57607);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1344});
    }

    void EachEntryListHasItsContextMenu() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        FillPhoneBook(harness, {0});
        harness.Select({0});
        CommandContext context;
        context.type = ListType::kPhoneBook;
        context.selected = 1;
        context.phone_book = true;
        QMenu* menu = harness.Window().Commands().ContextMenu(context, &harness.Window());
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) texts << action->text();
        }
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("&Wählen\tStrg+W"),
                              QStringLiteral("&Neues Memolet erstellen..."),
                              QStringLiteral("&Drucken..."), QStringLiteral("&Exportieren..."),
                              QStringLiteral("Aus persönlichem Telefonbuch &entfernen\tEntf")}));
        QVERIFY(menu->actions().back()->isEnabled());
        delete menu;
        context.type = ListType::kPostalCodes;
        QCOMPARE(harness.Window().Commands().ContextMenu(context, &harness.Window()), nullptr);
    }
};

}  // namespace

std::unique_ptr<QObject> MakeEntriesTest() { return std::make_unique<EntriesTest>(); }

}  // namespace vendarion::test

#include "entries_test.moc"
