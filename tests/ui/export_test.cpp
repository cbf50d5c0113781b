// The export of marked rows: the export dialog and its stored choice, the command's
// limit, its file and clipboard hand-over read back by other readers, its messages;
// and the help page's messages.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <vector>

#include "base/setting_names.h"
#include "gui_test_classes.h"
#include "support/memory_settings.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "ui/export_command.h"
#include "ui/export_dialog.h"
#include "ui/help_page.h"
#include "ui/list_controller.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

// Works the export dialog once it is shown modally (a timer of the dialog's event
// loop); gives up after ten seconds, so that it cannot reach into a later test.
void WhenDialogOpens(std::function<void(ExportDialog&)> work) {
    constexpr int kPollMilliseconds = 10;
    constexpr int kMaxPolls = 1000;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, work, polls = 0]() mutable {
        auto* dialog = qobject_cast<ExportDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++polls < kMaxPolls) return;
        poll->stop();
        poll->deleteLater();
        if (dialog != nullptr) work(*dialog);
    });
    poll->start(kPollMilliseconds);
}

void ChooseFile(ExportDialog& dialog, int format, const QString& path) {
    dialog.Formats()->setCurrentIndex(format);
    dialog.FileButton()->click();
    dialog.FileNameEdit()->setText(path);
    dialog.ExportButton()->click();
}

void ChooseClipboard(ExportDialog& dialog, int format) {
    dialog.Formats()->setCurrentIndex(format);
    dialog.ClipboardButton()->click();
    dialog.ExportButton()->click();
}

SubscriberEntry Entry(const char* name, const char* town) {
    SubscriberEntry entry;
    entry[EntryField::kName] = name;
    entry[EntryField::kFirstName] = "Hans";
    entry[EntryField::kStreet] = "Hauptstr.  5";
    entry[EntryField::kPostalCode] = "50679";
    entry[EntryField::kTown] = town;
    entry[EntryField::kAreaCode] = "0221";
    entry[EntryField::kPhoneNumber] = "123456";
    return entry;
}

// The rows of a CSV file as Python's csv module reads them.
QJsonArray PythonCsvRows(const std::string& path, const QString& encoding,
                         const QString& delimiter) {
    const QString script = QStringLiteral(
        "import csv, json, sys\n"
        "with open(sys.argv[1], encoding=sys.argv[2], newline='') as f:\n"
        "    print(json.dumps(list(csv.reader(f, delimiter=sys.argv[3], "
        "skipinitialspace=True))))\n");
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), script, QString::fromStdString(path), encoding, delimiter});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) {
        qWarning("python3: %s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

QStringList Strings(const QJsonValue& row) {
    QStringList strings;
    for (const QJsonValue& value : row.toArray()) strings.append(value.toString());
    return strings;
}

struct Services {
    MemorySettings settings;
    ScriptedMessages messages;
    ScriptedFileChooser files;
};

class ExportTest : public QObject {
    Q_OBJECT

private slots:
    void DialogOpensWithTheStoredChoice() {
        Services services;
        (void)Write(services.settings, setting::kExportType, 12);
        (void)Write(services.settings, setting::kExportClipboard, 1);
        (void)Write(services.settings, setting::kExportFilename, "/tmp/liste.csv");
        ExportDialog dialog(nullptr, services.settings, services.messages, services.files);
        QCOMPARE(dialog.Formats()->count(), 9);
        QCOMPARE(dialog.Formats()->currentIndex(), 8);
        QCOMPARE(dialog.Formats()->currentText(), QStringLiteral("Word Serienbrief"));
        QVERIFY(dialog.ClipboardButton()->isChecked());
        QCOMPARE(dialog.FileNameEdit()->text(), QStringLiteral("/tmp/liste.csv"));
        QVERIFY(!dialog.FileNameEdit()->isEnabled());
        QVERIFY(!dialog.BrowseButton()->isEnabled());
        dialog.FileButton()->click();
        QVERIFY(dialog.FileNameEdit()->isEnabled());
        QVERIFY(dialog.BrowseButton()->isEnabled());
    }

    void FormatAndSaveDialogSetTheFileName() {
        Services services;
        (void)Write(services.settings, setting::kExportFilename, "/tmp/a.b/liste.csv");
        ExportDialog dialog(nullptr, services.settings, services.messages, services.files);
        dialog.Formats()->setCurrentIndex(6);
        QCOMPARE(dialog.FileNameEdit()->text(), QStringLiteral("/tmp/a.b/liste.html"));
        QCOMPARE(dialog.FileNameEdit()->cursorPosition(), dialog.FileNameEdit()->text().size());
        // Nothing chosen keeps the name.
        dialog.BrowseButton()->click();
        QCOMPARE(dialog.FileNameEdit()->text(), QStringLiteral("/tmp/a.b/liste.html"));
        services.files.Answer(QStringLiteral("/home/u/neu.html"));
        dialog.BrowseButton()->click();
        QCOMPARE(dialog.FileNameEdit()->text(), QStringLiteral("/home/u/neu.html"));
        QCOMPARE(services.files.Questions().size(), std::size_t{2});
        const SaveFileQuestion& asked = services.files.Questions()[0];
        QCOMPARE(asked.title, QStringLiteral("Speichern unter"));
        QCOMPARE(asked.suggested, QStringLiteral("/tmp/a.b/liste.html"));
        QCOMPARE(asked.filter, QStringLiteral("Internetseite (HTML) (*.html);;Alle Dateien (*)"));
        // Nothing is stored before "Exportieren".
        QVERIFY(!services.settings.Has("ExportType"));
    }

    void EmptyFileNameKeepsTheDialogOpenWithTheChoiceStored() {
        Services services;
        ExportDialog dialog(nullptr, services.settings, services.messages, services.files);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Formats()->setCurrentIndex(3);
        dialog.FileButton()->click();
        dialog.ExportButton()->click();
        QCOMPARE(services.messages.ShownIds(), std::vector<int>{1309});
        QCOMPARE(services.messages.Shown()[0].icon, MessageIcon::kExclamation);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(Read(services.settings, setting::kExportType), 3);
        QCOMPARE(Read(services.settings, setting::kExportClipboard), 0);
        QVERIFY(!services.settings.Has("ExportFilename"));
        QTRY_VERIFY(dialog.FileNameEdit()->hasFocus());
        // With the clipboard chosen no name is needed.
        dialog.ClipboardButton()->click();
        dialog.ExportButton()->click();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(Read(services.settings, setting::kExportClipboard), 1);
    }

    void MoreThanSeventyFiveRowsAreRefusedBeforeTheDialog() {
        Services services;
        const std::vector<SubscriberEntry> entries(76, Entry("Meier", "K\xF6ln"));
        ExportCommand command(nullptr, services.settings, services.messages, services.files);
        // The dialog would wait for an answer that never comes.
        command.Run(entries, 76);
        QCOMPARE(services.messages.ShownIds(), std::vector<int>{1305});
        QCOMPARE(Shown(services.messages.Shown()[0].text),
                 QStringLiteral("Es können nur maximal 75 Namen auf einmal exportiert werden."));
        QVERIFY(!services.settings.Has("ExportType"));
    }

    void MarkedRowsGoToAFileThatPythonsCsvReads() {
        WindowHarness harness;
        harness.ChooseInTree(ListType::kTowns);
        for (int row = 0; row < harness.Rows(); ++row) {
            if (harness.Cell(row, 0) == QStringLiteral("Köln")) {
                harness.Select({row});
                break;
            }
        }
        harness.Trigger(40020);
        QVERIFY(harness.WaitForSearches());
        QCOMPARE(harness.Title(), QStringLiteral("Namen in Köln"));
        harness.Select({0, 2});
        TempDir dir;
        const std::string path = dir.File("namen.csv");
        WhenDialogOpens(
            [&](ExportDialog& dialog) { ChooseFile(dialog, 1, QString::fromStdString(path)); });
        harness.Trigger(40019);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1503});
        QCOMPARE(Shown(harness.messages.Shown()[0].text),
                 QStringLiteral("2 Einträge wurden erfolgreich exportiert."));
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kInformation);
        QCOMPARE(Read(harness.settings, setting::kExportFilename), path);

        const QJsonArray rows = PythonCsvRows(path, QStringLiteral("cp1252"), QStringLiteral(","));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(Strings(rows[0]),
                 (QStringList{QStringLiteral("Nachname"), QStringLiteral("Vorname"),
                              QStringLiteral("Beruf"), QStringLiteral("Straße"),
                              QStringLiteral("Postleitzahl"), QStringLiteral("Ort"),
                              QStringLiteral("Telefon")}));
        for (const int row : {0, 2}) {
            const QStringList exported = Strings(rows[row == 0 ? 1 : 2]);
            QCOMPARE(exported.size(), 7);
            QCOMPARE(exported[0], harness.Cell(row, 0));
            QCOMPARE(exported[1], harness.Cell(row, 1));
            QCOMPARE(exported[4], harness.Cell(row, 6));
            QCOMPARE(exported[5], harness.Cell(row, 7));
            QVERIFY(exported[6].endsWith(harness.Cell(row, 5).trimmed()));
        }
    }

    void FieldsWithQuotesAndSeparatorsReadBackWhole() {
        Services services;
        TempDir dir;
        const std::string path = dir.File("serienbrief.csv");
        const std::vector<SubscriberEntry> entries = {Entry("M\xFCller \"Eck\"; Co", "K\xF6ln")};
        WhenDialogOpens(
            [&](ExportDialog& dialog) { ChooseFile(dialog, 8, QString::fromStdString(path)); });
        ExportCommand(nullptr, services.settings, services.messages, services.files)
            .Run(entries, 1);
        QCOMPARE(services.messages.ShownIds(), std::vector<int>{1505});
        const QJsonArray rows = PythonCsvRows(path, QStringLiteral("cp1252"), QStringLiteral(";"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(Strings(rows[1]).value(0), QStringLiteral("Müller \"Eck\"; Co"));
        QCOMPARE(Strings(rows[1]).value(6), QStringLiteral("0221 123456"));
    }

    void ClipboardTakesTheTextAsCharacters_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("told");
        QTest::newRow("DOS, one row")
            << 0 << 1 << 1508
            << QStringLiteral("Der Eintrag wurde erfolgreich in die Zwischenablage exportiert.");
        QTest::newRow("Windows, two rows")
            << 1 << 2 << 1502
            << QStringLiteral("2 Einträge wurden erfolgreich in die Zwischenablage exportiert.");
    }

    void ClipboardTakesTheTextAsCharacters() {
        QFETCH(int, format);
        QFETCH(int, rows);
        QFETCH(int, message);
        QFETCH(QString, told);
        Services services;
        const std::vector<SubscriberEntry> entries(static_cast<std::size_t>(rows),
                                                   Entry("Meier", "K\xF6ln"));
        QApplication::clipboard()->clear();
        WhenDialogOpens([format](ExportDialog& dialog) { ChooseClipboard(dialog, format); });
        ExportCommand(nullptr, services.settings, services.messages, services.files)
            .Run(entries, rows);
        QCOMPARE(services.messages.ShownIds(), std::vector<int>{message});
        QCOMPARE(Shown(services.messages.Shown()[0].text), told);
        const QString line = QStringLiteral(
            "\"Meier\", \"Hans\", \"\", \"Hauptstr.  5\", \"50679\", \"Köln\", "
            "\"0221 123456\"\r\n");
        QString expected = QStringLiteral(
            "\"Nachname\", \"Vorname\", \"Beruf\", \"Straße\", \"Postleitzahl\", \"Ort\", "
            "\"Telefon\"\r\n");
        for (int row = 0; row < rows; ++row) expected += line;
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QCOMPARE(Read(services.settings, setting::kExportClipboard), 1);
    }

    void AFileThatCannotBeWrittenIsReportedAsFailure() {
        Services services;
        TempDir dir;
        const std::string path = dir.File("fehlt") + "/namen.csv";
        const std::vector<SubscriberEntry> entries(2, Entry("Meier", "K\xF6ln"));
        WhenDialogOpens(
            [&](ExportDialog& dialog) { ChooseFile(dialog, 0, QString::fromStdString(path)); });
        ExportCommand(nullptr, services.settings, services.messages, services.files)
            .Run(entries, 2);
        QCOMPARE(services.messages.ShownIds(), std::vector<int>{1308});
        QCOMPARE(services.messages.Shown()[0].icon, MessageIcon::kExclamation);
        QCOMPARE(Shown(services.messages.Shown()[0].text),
                 QStringLiteral("Beim Exportieren der Namen in die Datei %1 ist ein Fehler "
                                "aufgetreten.")
                     .arg(QString::fromStdString(path)));
    }

    void CancelExportsNothing() {
        Services services;
        const std::vector<SubscriberEntry> entries(1, Entry("Meier", "K\xF6ln"));
        WhenDialogOpens([](ExportDialog& dialog) { dialog.reject(); });
        ExportCommand(nullptr, services.settings, services.messages, services.files)
            .Run(entries, 1);
        QVERIFY(services.messages.Shown().empty());
        QVERIFY(!services.settings.Has("ExportType"));
    }

    void HelpPageIsFoundAndItsFailuresAreTold() {
        const std::optional<QString> page = FindHelpPage();
        QVERIFY(page.has_value());
        QFile file(*page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("F1"));

        ScriptedMessages messages;
        QUrl opened;
        const auto open = [&opened](const QUrl& url) {
            opened = url;
            return true;
        };
        QVERIFY(OpenHelpPage(messages, page, open));
        QCOMPARE(opened, QUrl::fromLocalFile(*page));
        QVERIFY(messages.Shown().empty());

        QVERIFY(!OpenHelpPage(messages, std::nullopt, open));
        QVERIFY(!OpenHelpPage(messages, page, [](const QUrl&) { return false; }));
        QCOMPARE(messages.ShownIds(), (std::vector<int>{3205, 3206}));
        QVERIFY(Shown(messages.Shown()[1].text).contains(*page));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeExportTest() { return std::make_unique<ExportTest>(); }

}  // namespace vendarion::test

#include "export_test.moc"
