#include "ui/note_commands.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <cerrno>

#include "base/ascii_text.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/messages.h"
#include "personal/desktop_note.h"
#include "personal/note_socket.h"
#include "personal/note_store_file.h"
#include "personal/personal_stores.h"
#include "resources/string_table.h"
#include "ui/list_controller.h"
#include "ui/list_searches.h"
#include "ui/list_types.h"
#include "ui/note_places.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kNoPhoneNumber = 1317;
constexpr int kCreateQuestion = 1517;
constexpr int kAlreadyOnDesktop = 1329;
constexpr int kLauncherNotWritten = 1331;
constexpr int kCreated = 1327;
constexpr int kNotCreated = 1328;
constexpr int kNoNoteProgram = 1333;
constexpr int kRemoveQuestion = 1518;
constexpr int kLauncherNotRemoved = 1330;
constexpr int kNotesNotSaved = 1350;
// The cells of an entry row that name a note.
constexpr int kAreaCodeColumn = 4;
constexpr int kNumberColumn = 5;
constexpr int kDisplayNameColumn = 8;

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeFolder(const std::string& folder) {
    return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

NoteCommands::NoteCommands(ListController& lists, const WindowServices& services, QWidget* window)
    : QObject(window), lists_(lists), services_(services) {
    if (services_.stores.notes != nullptr) Listen();
}

void NoteCommands::Listen() {
    const std::string folder = NoteSocketFolder();
    if (folder.empty()) return;
    const QString path = QString::fromStdString(NoteSocketPath(folder));
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by an earlier process of the same id is taken over.
    QLocalServer::removeServer(path);
    if (!server_->listen(path)) return;
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                bool changed = false;
                while (socket->canReadLine()) {
                    changed = changed || socket->readLine() ==
                                             QByteArray::fromRawData(kNoteStoreChanged.data(),
                                                                     kNoteStoreChanged.size());
                }
                // Nothing but short lines comes here; anything longer is dropped.
                if (socket->bytesAvailable() > 64) socket->abort();
                if (changed) Reload();
            });
        }
    });
}

SubscriberEntry NoteCommands::ShownEntry(int row) const {
    SubscriberEntry shown;
    shown[EntryField::kAreaCode] = lists_.RowText(row, kAreaCodeColumn);
    shown[EntryField::kPhoneNumber] = lists_.RowText(row, kNumberColumn);
    shown[EntryField::kDisplayName] = lists_.RowText(row, kDisplayNameColumn);
    return shown;
}

void NoteCommands::Create() {
    (void)lists_.Searches().CancelSearch();
    EntryStore* notes = services_.stores.notes.get();
    const std::vector<int> rows = lists_.SelectedRows();
    const ListType type = lists_.Type();
    if (notes == nullptr || rows.size() != 1 ||
        (type != ListType::kNames && type != ListType::kInternet && type != ListType::kPhoneBook)) {
        return;
    }
    const int row = rows.front();
    const SubscriberEntry shown = ShownEntry(row);
    if (TrimBlanks(shown[EntryField::kAreaCode]).empty() ||
        TrimBlanks(shown[EntryField::kPhoneNumber]).empty()) {
        Tell(kNoPhoneNumber, MessageIcon::kExclamation);
        return;
    }
    const std::string title = NoteTitle(shown);
    if (services_.messages.Show({kCreateQuestion, FormatString(kCreateQuestion, title),
                                 MessageIcon::kQuestion, MessageButtons::kYesNo,
                                 MessageAnswer::kYes}) != MessageAnswer::kYes) {
        return;
    }
    const std::optional<SubscriberEntry> entry = lists_.RowEntry(row);
    const NotePlaces& places = services_.note_places;
    if (!entry) {
        Tell(kNotCreated, MessageIcon::kExclamation);
        return;
    }
    const std::string path = LauncherPath(places.desktop_folder, shown);
    if (IsRegularFile(path)) {
        Tell(kAlreadyOnDesktop, MessageIcon::kInformation, title);
        return;
    }
    if (places.note_program.empty()) {
        Tell(kNotCreated, MessageIcon::kExclamation);
        return;
    }
    // The id, the launcher and the record come about under the store's lock, so that
    // a note program saving meanwhile keeps its text and no id is given twice.
    bool launcher_written = true;
    int position = -1;
    const StoreUpdate outcome = UpdateStoreFile(
        services_.stores.notes_path,
        [&](EntryStore& store) {
            const std::int32_t id = NextNoteId(store);
            launcher_written = WriteLauncher(path, id, shown);
            if (!launcher_written) return false;
            position = store.Insert(*entry, {}, id);
            return true;
        },
        notes);
    if (!launcher_written) {
        Tell(kLauncherNotWritten, MessageIcon::kExclamation);
        return;
    }
    if (outcome != StoreUpdate::kSaved) {
        Tell(kNotCreated, MessageIcon::kExclamation);
        return;
    }
    Tell(kCreated, MessageIcon::kInformation);
    OpenAt(position);
}

bool NoteCommands::WriteLauncher(const std::string& path, std::int32_t note_id,
                                 const SubscriberEntry& shown) const {
    const NotePlaces& places = services_.note_places;
    if (places.desktop_folder.empty() || !MakeFolder(places.desktop_folder)) return false;
    if (!ReplaceFileContents(path,
                             LauncherText(places.note_program, places.icon, note_id, shown))) {
        return false;
    }
    // Desktops start only launchers that may be executed, and some only trusted ones.
    if (::chmod(path.c_str(), 0755) != 0) {
        (void)::unlink(path.c_str());
        return false;
    }
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (!gio.isEmpty()) {
        // Where the desktop keeps no such mark, gio says so; that is no failure.
        QProcess trust;
        trust.setProgram(gio);
        trust.setArguments({QStringLiteral("set"), QString::fromStdString(path),
                            QStringLiteral("metadata::trusted"), QStringLiteral("true")});
        trust.setStandardOutputFile(QProcess::nullDevice());
        trust.setStandardErrorFile(QProcess::nullDevice());
        (void)trust.startDetached();
    }
    return true;
}

void NoteCommands::Open() {
    const std::vector<int> rows = lists_.SelectedRows();
    if (services_.stores.notes == nullptr || lists_.Type() != ListType::kNotes ||
        rows.size() != 1) {
        return;
    }
    OpenAt(rows.front());
}

void NoteCommands::OpenAt(int position) {
    const std::string& program = services_.note_places.note_program;
    if (program.empty() || ::access(program.c_str(), X_OK) != 0 || !IsRegularFile(program)) {
        Tell(kNoNoteProgram, MessageIcon::kExclamation);
        return;
    }
    std::vector<SubscriberEntry> entries;
    std::vector<std::int32_t> ids;
    if (services_.stores.notes->CopyOut(position, 1, &entries, nullptr, &ids) != 0) return;
    QStringList arguments;
    for (const std::string& argument : NoteArguments(ids.front(), entries.front())) {
        arguments.push_back(ToQString(argument));
    }
    if (!QProcess::startDetached(QString::fromStdString(program), arguments)) {
        Tell(kNoNoteProgram, MessageIcon::kExclamation);
    }
}

void NoteCommands::Remove() {
    (void)lists_.Searches().CancelSearch();
    EntryStore* notes = services_.stores.notes.get();
    const std::vector<int> rows = lists_.SelectedRows();
    if (notes == nullptr || lists_.Type() != ListType::kNotes || rows.size() != 1) return;
    const int row = rows.front();
    if (row >= notes->Count()) return;
    const SubscriberEntry shown = ShownEntry(row);
    if (services_.messages.Show({kRemoveQuestion, FormatString(kRemoveQuestion, NoteTitle(shown)),
                                 MessageIcon::kQuestion, MessageButtons::kYesNo,
                                 MessageAnswer::kNo}) != MessageAnswer::kYes) {
        return;
    }
    const std::string path = LauncherPath(services_.note_places.desktop_folder, shown);
    if (services_.note_places.desktop_folder.empty() || ::unlink(path.c_str()) != 0) {
        Tell(kLauncherNotRemoved, MessageIcon::kInformation);
    }
    // The record goes by its id: the file may have changed since the list was shown.
    const std::int32_t id = notes->ValueAt(row);
    const StoreUpdate outcome = UpdateStoreFile(
        services_.stores.notes_path,
        [id](EntryStore& store) { return store.RemoveAt(store.FindValue(id)) == 0; }, notes);
    lists_.ReloadRows();
    lists_.SelectRow(std::min(row, notes->Count() - 1));
    lists_.RefreshCountText();
    if (outcome == StoreUpdate::kNotSaved || outcome == StoreUpdate::kUnreadable) {
        Tell(kNotesNotSaved, MessageIcon::kExclamation);
    }
}

void NoteCommands::Reload() {
    EntryStore* notes = services_.stores.notes.get();
    if (notes == nullptr || !ReloadStoreFile(services_.stores.notes_path, notes)) return;
    if (lists_.Type() != ListType::kNotes) return;
    lists_.ReloadRows();
    if (lists_.FocusedRow() < 0 && notes->Count() > 0) lists_.SelectRow(0);
    lists_.RefreshCountText();
}

void NoteCommands::Tell(int id, MessageIcon icon, const std::string& title) {
    const std::string text = title.empty() ? std::string(LoadString(id)) : FormatString(id, title);
    services_.messages.Show({id, text, icon, MessageButtons::kOk, MessageAnswer::kOk});
}

}  // namespace vendarion
