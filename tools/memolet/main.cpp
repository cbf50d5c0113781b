// memolet: the note program that a desktop note's launcher starts, with the note's
// id and phone number ("/id=3 /phone=0221123456"). It shows the pinned entry and
// keeps the user's note text in the note store of the user's data folder.
#include <sys/socket.h>
#include <unistd.h>
#include <QApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <csignal>
#include <string>
#include <vector>

#include "app/linux_platform.h"
#include "note_call.h"
#include "note_card.h"
#include "personal/personal_stores.h"
#include "resources/string_table.h"
#include "ui/program_font.h"
#include "ui/qt_messages.h"

namespace {

constexpr int kBadCall = 1354;
int quit_pipe[2] = {-1, -1};

// The end of the desktop session (SIGTERM) or a terminal's SIGINT closes the card
// through the event loop, so that the text typed last is saved.
void OnQuitSignal(int) {
    const char byte = 1;
    (void)!::write(quit_pipe[1], &byte, 1);
}

void CatchQuitSignals(QApplication& application) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, quit_pipe) != 0) return;
    auto* notifier = new QSocketNotifier(quit_pipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application,
                     [] { QApplication::closeAllWindows(); });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vendarion;
    QApplication application(argc, argv);
    UseProgramFont(application);
    const QString icon =
        QCoreApplication::applicationDirPath() + QStringLiteral("/vendarion-memolet.png");
    application.setWindowIcon(QIcon::fromTheme(QStringLiteral("vendarion-memolet"), QIcon(icon)));
    QtMessages messages;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::optional<NoteCall> call = ParseNoteCall(arguments);
    LinuxPlatform platform;
    const std::string folder = platform.UserDataFolder();
    if (!call || folder.empty()) {
        messages.Show({kBadCall, std::string(LoadString(kBadCall)), MessageIcon::kExclamation,
                       MessageButtons::kOk, MessageAnswer::kOk});
        return 2;
    }
    std::unique_ptr<NoteCard> card =
        NoteCard::Open(folder + std::string(kNoteStoreFileName), call->id, messages);
    if (card == nullptr) return 1;
    messages.SetParent(card.get());
    CatchQuitSignals(application);
    card->show();
    return application.exec();
}
