#include "personal/note_store_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "personal/desktop_folder.h"
#include "personal/note_socket.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

SubscriberEntry Person(std::string name, std::string number) {
    SubscriberEntry entry;
    entry[EntryField::kName] = std::move(name);
    entry[EntryField::kAreaCode] = "0221";
    entry[EntryField::kPhoneNumber] = std::move(number);
    return entry;
}

// A store file with notes 1 and 2.
std::string TwoNotes(const test::TempDir& dir) {
    EntryStore notes;
    notes.Insert(Person("Meier", "1"), {}, 1);
    notes.Insert(Person("Albers", "2"), {}, 2);
    const std::string path = dir.File("Memolet.vdr");
    EXPECT_EQ(notes.Save(path), 0);
    return path;
}

std::string NoteText(const std::string& path, std::int32_t id) {
    EntryStore notes;
    if (!notes.Load(path)) return "<unreadable>";
    const int position = notes.FindValue(id);
    return position < 0 ? "<missing>" : notes.NoteTextAt(position);
}

// A child process that saves "<tag><n>" into its note, n = 1..rounds, then exits.
pid_t SaveInChild(const std::string& path, std::int32_t id, const std::string& tag, int rounds) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (int n = 1; n <= rounds; ++n) {
            if (SaveNoteText(path, id, tag + std::to_string(n)) != NoteSave::kSaved) ::_exit(1);
        }
        ::_exit(0);
    }
    return pid;
}

int ExitCode(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(NoteStoreFile, NoteTextIsSavedIntoItsOwnRecordOnly) {
    const test::TempDir dir;
    const std::string path = TwoNotes(dir);
    const std::string text =
        "R\xFC"
        "ckruf\nmorgen";
    EXPECT_EQ(SaveNoteText(path, 2, text), NoteSave::kSaved);
    EXPECT_EQ(NoteText(path, 2), text);
    EXPECT_EQ(NoteText(path, 1), "");
    // The same text again writes nothing and still counts as kept.
    EXPECT_EQ(SaveNoteText(path, 2, text), NoteSave::kSaved);
    EXPECT_EQ(SaveNoteText(path, 3, "x"), NoteSave::kNoteMissing);
}

TEST(NoteStoreFile, DamagedOrUnwritableFileIsNeverReplaced) {
    const test::TempDir dir;
    const std::string path = dir.File("Memolet.vdr");
    const std::string damaged("\x88\x02\x12\x00\x05\x00\x00\x00garbage", 15);
    test::WriteFile(path, damaged);
    EXPECT_EQ(SaveNoteText(path, 1, "x"), NoteSave::kUnreadable);
    EntryStore view;
    view.Insert(Person("Kept", "9"), {}, 9);
    EXPECT_EQ(UpdateStoreFile(
                  path, [](EntryStore&) { return true; }, &view),
              StoreUpdate::kUnreadable);
    EXPECT_EQ(test::ReadFile(path), damaged);
    EXPECT_EQ(view.Count(), 1);  // the caller's view stays as it was

    // A folder that takes no new file (as for a user other than the superuser).
    if (::geteuid() != 0) {
        const std::string good = TwoNotes(dir);
        ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
        EXPECT_EQ(SaveNoteText(good, 1, "x"), NoteSave::kNotSaved);
        ASSERT_EQ(::chmod(dir.path().c_str(), 0700), 0);
        EXPECT_EQ(NoteText(good, 1), "");
    }
}

TEST(NoteStoreFile, ChangesOfTheWindowKeepTheNotesText) {
    const test::TempDir dir;
    const std::string path = TwoNotes(dir);
    EntryStore window_view;
    ASSERT_TRUE(window_view.Load(path));
    // A note program writes after the window loaded the store ...
    ASSERT_EQ(SaveNoteText(path, 1, "Text"), NoteSave::kSaved);
    // ... and the window adds a note: the text stays, and the window sees it.
    EXPECT_EQ(UpdateStoreFile(
                  path,
                  [](EntryStore& notes) {
                      notes.Insert(Person("Zander", "3"), {}, 3);
                      return true;
                  },
                  &window_view),
              StoreUpdate::kSaved);
    EXPECT_EQ(window_view.Count(), 3);
    EXPECT_EQ(window_view.NoteTextAt(window_view.FindValue(1)), "Text");
    EXPECT_EQ(NoteText(path, 1), "Text");
    EXPECT_EQ(NoteText(path, 3), "");
}

TEST(NoteStoreFile, TwoNoteProgramsSavingAtOnceLoseNothing) {
    const test::TempDir dir;
    const std::string path = TwoNotes(dir);
    constexpr int kRounds = 60;
    const pid_t first = SaveInChild(path, 1, "a", kRounds);
    const pid_t second = SaveInChild(path, 2, "b", kRounds);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(ExitCode(first), 0);
    EXPECT_EQ(ExitCode(second), 0);
    EXPECT_EQ(NoteText(path, 1), "a" + std::to_string(kRounds));
    EXPECT_EQ(NoteText(path, 2), "b" + std::to_string(kRounds));
}

TEST(NoteStoreFile, AWriterKilledWhileSavingLeavesTheStoreWhole) {
    const test::TempDir dir;
    const std::string path = TwoNotes(dir);
    for (int kill_after_us : {300, 1000, 3000, 7000}) {
        const pid_t writer = SaveInChild(path, 1, "k", 1'000'000);
        ASSERT_GT(writer, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(kill_after_us));
        ::kill(writer, SIGKILL);
        (void)ExitCode(writer);
        // The file loads, with both notes, and the next writer is not held up by the
        // dead one's lock.
        EXPECT_NE(NoteText(path, 1), "<unreadable>");
        EXPECT_EQ(NoteText(path, 2), "");
        EXPECT_EQ(SaveNoteText(path, 2, "after"), NoteSave::kSaved);
        EXPECT_EQ(NoteText(path, 2), "after");
        ASSERT_EQ(SaveNoteText(path, 2, ""), NoteSave::kSaved);
    }
}

TEST(DesktopFolder, UserDirsNameTheDesktop) {
    EXPECT_EQ(DesktopFolderFrom("", "/home/u"), "/home/u/Desktop");
    EXPECT_EQ(DesktopFolderFrom("# written by xdg-user-dirs-update\n"
                                "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                                "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n",
                                "/home/u"),
              "/home/u/Schreibtisch");
    EXPECT_EQ(DesktopFolderFrom("XDG_DESKTOP_DIR=\"/data/Mein \\\"Tisch\\\"/\"\n", "/home/u"),
              "/data/Mein \"Tisch\"");
    // Forms the file may not have are passed over.
    EXPECT_EQ(DesktopFolderFrom("XDG_DESKTOP_DIR=relative/path\n"
                                "XDG_DESKTOP_DIR=\"$HOMEX/a\"\n",
                                "/home/u"),
              "/home/u/Desktop");
    EXPECT_EQ(DesktopFolderFrom("XDG_DESKTOP_DIR=\"$HOME\"", "/home/u"), "/home/u");
}

TEST(NoteSocket, OnlySocketsOfRunningProcessesAreTold) {
    const test::TempDir dir;
    const std::string folder = dir.path() + "/";
    const std::string own = NoteSocketPath(folder);
    test::WriteFile(own, "");
    // A process that has ended: its socket goes.
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ASSERT_EQ(ExitCode(ended), 0);
    const std::string stale = folder + "notes-" + std::to_string(ended);
    test::WriteFile(stale, "");
    test::WriteFile(folder + "notes-abc", "");
    test::WriteFile(folder + "other-1", "");
    EXPECT_EQ(LiveNoteSockets(folder), std::vector<std::string>{own});
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(folder + "notes-abc"));
}

}  // namespace
}  // namespace vendarion
