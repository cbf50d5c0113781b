// The desktop-note commands of the main window: pinning the selected entry to the
// desktop as a launcher of the note program, opening a note, removing one, and
// reloading the note store when a note program says that it changed the store.
#pragma once

#include <QObject>
#include <cstdint>
#include <string>

#include "base/messages.h"
#include "store/subscriber_entry.h"
#include "ui/window_services.h"

class QLocalServer;
class QWidget;

namespace vendarion {

class ListController;

class NoteCommands final : public QObject {
    Q_OBJECT

public:
    // window: the owner. Listens for the note programs while the
    // note store exists.
    NoteCommands(ListController& lists, const WindowServices& services, QWidget* window);

    void Create();
    // The note of the one selected row of the note list.
    void Open();
    void Remove();
    // Reads the note store again from its file and shows it when its list is shown.
    void Reload();

private:
    // The cells of the row that name the note: area code, number, display name.
    SubscriberEntry ShownEntry(int row) const;
    void OpenAt(int position);
    // Writes the launcher, executable and marked as trusted where the desktop asks.
    bool WriteLauncher(const std::string& path, std::int32_t note_id,
                       const SubscriberEntry& shown) const;
    void Listen();
    void Tell(int id, MessageIcon icon, const std::string& title = {});

    ListController& lists_;
    WindowServices services_;
    QLocalServer* server_ = nullptr;
};

}  // namespace vendarion
