// The desktop notes through the window and the note program: pinning an entry to
// the desktop (the launcher's name, contents and validity, the record and its id,
// the refusals), opening and removing notes, and the note program's card saving
// its text and making the window reload the store through the local socket.
#include <sys/stat.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "base/ascii_text.h"
#include "gui_test_classes.h"
#include "note_card.h"
#include "personal/desktop_note.h"
#include "personal/note_store_file.h"
#include "resources/string_table.h"
#include "ui/list_controller.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"
#include "window_harness.h"

namespace vendarion::test {
namespace {

constexpr int kAreaCodeColumn = 4;
constexpr int kNumberColumn = 5;
constexpr int kDisplayNameColumn = 8;

// The arguments of an Exec value as a launcher runs them: the file's string escapes
// undone, then the quoting of the Exec key, then "%%".
QStringList ExecArguments(const QString& value) {
    QString unescaped;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size() && value[i + 1] == u'\\') ++i;
        unescaped += value[i];
    }
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool any = false;
    for (int i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted && c == u'\\' && i + 1 < unescaped.size()) {
            current += unescaped[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            any = true;
        } else if (c == u' ' && !quoted) {
            if (any || !current.isEmpty())
                arguments << current.replace(QStringLiteral("%%"), QStringLiteral("%"));
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.isEmpty())
        arguments << current.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

// The value of a key of the launcher file.
QString LauncherValue(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(key + u'=')) return line.mid(key.size() + 1);
    }
    return {};
}

class NotesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // The windows of this test listen here, and only here.
        runtime_ = std::make_unique<TempDir>();
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime_->path()));
    }

    void APinnedEntryGetsALauncherAndARecord() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        const QString opened = UseStandIn(harness);
        OpenBerlin(harness);
        const int row = RowWith(harness, [](const std::string& name) { return !name.empty(); });
        QVERIFY(row >= 0);
        const std::string area(TrimBlanks(harness.Lists().RowText(row, kAreaCodeColumn)));
        const std::string number(TrimBlanks(harness.Lists().RowText(row, kNumberColumn)));
        const std::string name(TrimBlanks(harness.Lists().RowText(row, kDisplayNameColumn)));
        harness.Select({row});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40041);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1517, 1327}));
        QCOMPARE(harness.messages.Shown()[0].text, FormatString(1517, name));
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kQuestion);

        const QString launcher = Shown(harness.note_places.desktop_folder + "/(" + area + ") " +
                                       number + " - " + name + ".desktop");
        QVERIFY2(QFile::exists(launcher), qPrintable(launcher));
        struct stat info {};
        QVERIFY(::stat(launcher.toLocal8Bit().constData(), &info) == 0 && (info.st_mode & 0100));
        QCOMPARE(ExecArguments(LauncherValue(launcher, QStringLiteral("Exec"))),
                 (QStringList{QString::fromStdString(harness.note_places.note_program),
                              QStringLiteral("/id=1"), Shown("/phone=" + area + number)}));
        QCOMPARE(LauncherValue(launcher, QStringLiteral("Name")), Shown(name));
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {launcher});
        QVERIFY(validate.waitForFinished(20000));
        QVERIFY2(validate.exitCode() == 0 && validate.readAllStandardOutput().isEmpty(),
                 qPrintable(QString::fromUtf8(validate.readAllStandardError())));

        EntryStore& notes = *harness.stores.notes;
        QCOMPARE(notes.Count(), 1);
        QCOMPARE(notes.ValueAt(0), 1);
        QCOMPARE(notes.NoteTextAt(0), std::string());
        // The new note is opened at once.
        QTRY_COMPARE(ReadArguments(opened + QStringLiteral("id=1")),
                     (QStringList{QStringLiteral("/id=1"), Shown("/phone=" + area + number)}));

        // A second note for the same row: asked first, then refused, nothing changes.
        harness.messages.Clear();
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40041);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1517, 1329}));
        QCOMPARE(harness.messages.Shown()[1].text, FormatString(1329, name));
        QCOMPARE(notes.Count(), 1);

        // Two more notes: the third of all has id 3. "No" creates nothing.
        harness.messages.Clear();
        harness.Select({row + 1});
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40041);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1517});
        QCOMPARE(notes.Count(), 1);
        for (const int next : {row + 1, row + 2}) {
            harness.Select({next});
            harness.messages.Answer(MessageAnswer::kYes);
            harness.Trigger(40041);
        }
        QCOMPARE(notes.Count(), 3);
        QVERIFY(notes.FindValue(3) >= 0);
        SubscriberEntry shown;
        shown[EntryField::kAreaCode] = harness.Lists().RowText(row + 2, kAreaCodeColumn);
        shown[EntryField::kPhoneNumber] = harness.Lists().RowText(row + 2, kNumberColumn);
        shown[EntryField::kDisplayName] = harness.Lists().RowText(row + 2, kDisplayNameColumn);
        const QString third =
            QString::fromStdString(LauncherPath(harness.note_places.desktop_folder, shown));
        QCOMPARE(ExecArguments(LauncherValue(third, QStringLiteral("Exec"))).at(1),
                 QStringLiteral("/id=3"));
    }

    void AnEntryWithoutANumberIsRefusedBeforeAnyQuestion() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        (void)UseStandIn(harness);
        SubscriberEntry entry;
        entry[EntryField::kName] = "Ohnenummer";
        entry[EntryField::kAreaCode] = "030";
        harness.stores.phone_book->Insert(entry, {}, -1);
        harness.ChooseInTree(ListType::kPhoneBook);
        QCOMPARE(harness.Rows(), 1);
        harness.Select({0});
        harness.Trigger(40041);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1317});
        QCOMPARE(harness.messages.Shown()[0].icon, MessageIcon::kExclamation);
        QCOMPARE(harness.stores.notes->Count(), 0);
    }

    void NotesAreOpenedAndRemoved() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        const QString opened = UseStandIn(harness);
        OpenBerlin(harness);
        for (const int row : {0, 1}) {
            harness.Select({row});
            harness.messages.Answer(MessageAnswer::kYes);
            harness.Trigger(40041);
        }
        harness.ChooseInTree(ListType::kNotes);
        QCOMPARE(harness.Rows(), 2);
        const int id = harness.stores.notes->ValueAt(1);
        const QString opened_note = opened + QStringLiteral("id=%1").arg(id);
        // The note was opened when it was made; that run has ended once its file is there.
        QTRY_VERIFY(QFile::exists(opened_note));
        QVERIFY(QFile::remove(opened_note));

        // Without the note program.
        const std::string stand_in = harness.note_places.note_program;
        harness.note_places.note_program = harness.notes_dir.path() + "/missing";
        harness.messages.Clear();
        harness.Select({1});
        harness.Trigger(40054);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1333});
        harness.note_places.note_program = stand_in;
        QVERIFY(!QFile::exists(opened_note));
        // A double click opens the note of its row.
        const QRect cell = harness.View()->visualRect(harness.View()->model()->index(1, 0));
        QTest::mouseClick(harness.View()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(harness.View()->viewport(), Qt::LeftButton, {}, cell.center());
        QTRY_COMPARE(ReadArguments(opened_note).value(0), QStringLiteral("/id=%1").arg(id));

        // Removing the last row selects the one before it; "No" keeps the note.
        harness.messages.Clear();
        harness.Select({1});
        harness.messages.Answer(MessageAnswer::kNo);
        harness.Trigger(40042);
        QCOMPARE(harness.messages.ShownIds(), std::vector<int>{1518});
        QCOMPARE(harness.messages.Shown()[0].default_answer, MessageAnswer::kNo);
        QCOMPARE(harness.Rows(), 2);
        const QStringList launchers = Launchers(harness);
        QCOMPARE(launchers.size(), 2);
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40042);
        QCOMPARE(harness.Rows(), 1);
        QCOMPARE(harness.Lists().FocusedRow(), 0);
        QCOMPARE(Launchers(harness).size(), 1);
        QVERIFY(harness.stores.notes->FindValue(id) < 0);
        QVERIFY(Loaded(harness.stores.notes_path).FindValue(id) < 0);

        // A renamed launcher is not found: told, and the record still goes.
        const QString left = QString::fromStdString(harness.note_places.desktop_folder) +
                             QStringLiteral("/") + Launchers(harness).front();
        QVERIFY(QFile::rename(left, left + QStringLiteral(".renamed")));
        harness.messages.Clear();
        harness.Select({0});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40042);
        QCOMPARE(harness.messages.ShownIds(), (std::vector<int>{1518, 1330}));
        QCOMPARE(harness.messages.Shown()[1].icon, MessageIcon::kInformation);
        QCOMPARE(harness.Rows(), 0);
        QCOMPARE(Loaded(harness.stores.notes_path).Count(), 0);
    }

    void TheNoteProgramSavesItsTextAndTheWindowFollows() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        (void)UseStandIn(harness);
        OpenBerlin(harness);
        harness.Select({0});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40041);
        harness.ChooseInTree(ListType::kNotes);
        QCOMPARE(harness.Rows(), 1);
        const std::string& path = harness.stores.notes_path;

        ScriptedMessages card_messages;
        std::unique_ptr<NoteCard> card = NoteCard::Open(path, 1, card_messages);
        QVERIFY(card != nullptr);
        card->show();
        QVERIFY(QTest::qWaitForWindowExposed(card.get()));
        // Meanwhile another window pins a second entry.
        SubscriberEntry other;
        other[EntryField::kName] = "Zander";
        EntryStore ignored;
        QCOMPARE(UpdateStoreFile(
                     path,
                     [&other](EntryStore& notes) {
                         notes.Insert(other, {}, 7);
                         return true;
                     },
                     &ignored),
                 StoreUpdate::kSaved);
        QSignalSpy saved(card.get(), &NoteCard::Saved);
        card->activateWindow();
        card->Editor()->setFocus();
        TypeInto(card->Editor(), QStringLiteral("R\u00fcckruf morgen"));
        QVERIFY(saved.wait(5000));
        QCOMPARE(Loaded(path).NoteTextAt(Loaded(path).FindValue(1)), std::string("R\xFC"
                                                                                 "ckruf morgen"));
        // The window reloads the store: both notes listed, the text in its record.
        QTRY_COMPARE(harness.Rows(), 2);
        EntryStore& notes = *harness.stores.notes;
        QCOMPARE(notes.NoteTextAt(notes.FindValue(1)), std::string("R\xFC"
                                                                   "ckruf morgen"));
        QVERIFY(card_messages.ShownIds().empty());

        // Removed in the window while the card is open: told, the text stays to copy.
        harness.Window().activateWindow();
        harness.Select({notes.FindValue(1)});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40042);
        TypeInto(card->Editor(), QStringLiteral("!"));
        QVERIFY(card->SaveNow() == false);
        QCOMPARE(card_messages.ShownIds(), std::vector<int>{1351});
        QVERIFY(card->Editor()->isReadOnly());
        QVERIFY(card->Editor()->toPlainText().endsWith(QStringLiteral("morgen!")));

        // A note that is gone, or a damaged store: a message, no card.
        card_messages.Clear();
        QVERIFY(NoteCard::Open(path, 1, card_messages) == nullptr);
        const std::string damaged = harness.notes_dir.path() + "/damaged.vdr";
        WriteFile(damaged, std::string("\x88\x02\x12\x00\xff\xff\xff\x7f", 8));
        QVERIFY(NoteCard::Open(damaged, 1, card_messages) == nullptr);
        QCOMPARE(card_messages.ShownIds(), (std::vector<int>{1351, 1352}));
    }

    void TheLauncherStartsTheNoteProgram() {
        WindowHarness harness({.stores = true, .show = true, .prepare = {}});
        (void)UseStandIn(harness);
        OpenBerlin(harness);
        harness.Select({0});
        harness.messages.Answer(MessageAnswer::kYes);
        harness.Trigger(40041);
        const QStringList launchers = Launchers(harness);
        QCOMPARE(launchers.size(), 1);
        QStringList exec =
            ExecArguments(LauncherValue(QString::fromStdString(harness.note_places.desktop_folder) +
                                            QStringLiteral("/") + launchers.front(),
                                        QStringLiteral("Exec")));
        // The launcher's program here is the stand-in; the note program runs in its place
        // with the launcher's arguments, over the window's store.
        exec.front() = QStringLiteral(VENDARION_NOTE_PROGRAM);
        const QString data_home = QString::fromStdString(harness.notes_dir.path() + "/data");
        const QString store_folder =
            QString::fromStdString(harness.stores.notes_path).section(u'/', 0, -2);
        QVERIFY(QDir().mkpath(data_home + QStringLiteral("/Morvanta")));
        QVERIFY(QFile::link(store_folder, data_home + QStringLiteral("/Morvanta/Vendarion")));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data_home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(exec.front(), exec.mid(1));
        QVERIFY(program.waitForStarted(10000));
        // It found its note and shows it until the session ends it.
        QVERIFY(!program.waitForFinished(1500));
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(Loaded(harness.stores.notes_path).Count(), 1);
    }

private:
    std::unique_ptr<TempDir> runtime_;

    static void OpenBerlin(WindowHarness& harness) {
        harness.ChooseInTree(ListType::kTowns);
        harness.Type(InputField::kTown, QStringLiteral("Berl"));
        harness.Trigger(40020);
        QVERIFY(harness.WaitForSearches());
    }

    // The first row with a number whose display name passes the test.
    template <typename Test>
    static int RowWith(WindowHarness& harness, Test test) {
        for (int row = 0; row < harness.Rows(); ++row) {
            ListController& lists = harness.Lists();
            if (!TrimBlanks(lists.RowText(row, kNumberColumn)).empty() &&
                test(std::string(TrimBlanks(lists.RowText(row, kDisplayNameColumn))))) {
                return row;
            }
        }
        return -1;
    }

    // A note program that writes its arguments into a file beside it, one file for
    // each note ("memolet.id=2"); the path of the files without the id.
    static QString UseStandIn(WindowHarness& harness) {
        const std::string program = harness.notes_dir.path() + "/memolet";
        WriteFile(program,
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp.$$\"\n"
                  "mv \"$0.tmp.$$\" \"$0.${1#/}\"\n");
        ::chmod(program.c_str(), 0755);
        harness.note_places.note_program = program;
        return QString::fromStdString(program + ".");
    }

    static QStringList ReadArguments(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    static QStringList Launchers(WindowHarness& harness) {
        return QDir(QString::fromStdString(harness.note_places.desktop_folder))
            .entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
    }

    static EntryStore Loaded(const std::string& path) {
        EntryStore store;
        if (!store.Load(path)) qWarning("cannot load %s", path.c_str());
        return store;
    }
};

}  // namespace

std::unique_ptr<QObject> MakeNotesTest() { return std::make_unique<NotesTest>(); }

}  // namespace vendarion::test

#include "notes_test.moc"
