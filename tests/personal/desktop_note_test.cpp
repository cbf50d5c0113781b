#include "personal/desktop_note.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

SubscriberEntry Note(std::string area, std::string number, std::string display_name) {
    SubscriberEntry entry;
    entry[EntryField::kAreaCode] = std::move(area);
    entry[EntryField::kPhoneNumber] = std::move(number);
    entry[EntryField::kDisplayName] = std::move(display_name);
    return entry;
}

TEST(DesktopNote, TitleIsTheDisplayNameOrTheNumber) {
    EXPECT_EQ(NoteTitle(Note("0221", "123456", " Meier Hans ")), "Meier Hans");
    EXPECT_EQ(NoteTitle(Note("0221", "123456", "  ")), "0221 123456");
    EXPECT_EQ(NoteTitle(Note("0221", "1", "Wer? \"Ich\"")), "Wer? \"Ich\"");
}

TEST(DesktopNote, LauncherFileNameFollowsTheNamingRule) {
    EXPECT_EQ(LauncherPath("/home/u/Desktop", Note("0221", "123456", "Meier Hans")),
              "/home/u/Desktop/(0221) 123456 - Meier Hans.desktop");
    EXPECT_EQ(LauncherFileName(Note("0221", "123456", "")), "(0221) 123456.desktop");
    EXPECT_EQ(LauncherFileName(Note("0221", "1", "Wer? \"Ich\" *a\\b/c")),
              "(0221) 1 - Wer Ich abc.desktop");
    EXPECT_EQ(LauncherFileName(Note("089", "1234567  (Praxis)", "M\xFCller")),
              "(089) 1234567  (Praxis) - M\xC3\xBCller.desktop");
    EXPECT_EQ(LauncherFileName(Note("089", "12/34", "")), "(089) 12 34.desktop");
    const std::string long_name(100, 'x');
    EXPECT_EQ(LauncherFileName(Note("0221", "1", long_name)),
              "(0221) 1 - " + std::string(80, 'x') + "....desktop");
    EXPECT_EQ(LauncherFileName(Note("0221", "1", std::string(80, 'x'))),
              "(0221) 1 - " + std::string(80, 'x') + ".desktop");
}

TEST(DesktopNote, LauncherFileNameFitsAFileSystem) {
    // A long area code and number would otherwise make a name no file system takes.
    const std::string name =
        LauncherFileName(Note(std::string(150, '1'), std::string(150, '2'), ""));
    EXPECT_EQ(name.size(), 255u);
    EXPECT_EQ(name.substr(name.size() - 8), ".desktop");
    // Cut between characters, never inside one (0xFC is two bytes in UTF-8).
    const std::string umlauts =
        LauncherFileName(Note(std::string(201, '1'), std::string(60, '\xFC'), ""));
    // "(" + 201 digits + ") " leaves 43 bytes: 21 whole characters fit.
    EXPECT_EQ(umlauts.size(), 204u + 42u + 8u);
}

TEST(DesktopNote, ArgumentsCarryIdAndJoinedNumber) {
    EXPECT_EQ(NoteArguments(3, Note("0221", "123456", "")),
              (std::vector<std::string>{"/id=3", "/phone=0221123456"}));
}

TEST(DesktopNote, NewIdIsOneAboveTheHighestStoredId) {
    EntryStore notes;
    EXPECT_EQ(NextNoteId(notes), 1);
    notes.Insert(Note("1", "1", "A"), "", 1);
    notes.Insert(Note("2", "2", "B"), "", 2);
    EXPECT_EQ(NextNoteId(notes), 3);
    // After removing note 1, counting would give 2 again, the id still in use.
    ASSERT_EQ(notes.RemoveAt(notes.ValueAt(0) == 1 ? 0 : 1), 0);
    ASSERT_EQ(notes.ValueAt(0), 2);
    EXPECT_EQ(NextNoteId(notes), 3);
}

TEST(DesktopNote, LauncherQuotesTheNoteProgramAndArguments) {
    const SubscriberEntry entry = Note("089", "1234567  (Praxis) 100%", "M\xFCller \"Max\"");
    EXPECT_EQ(LauncherText("/opt/v d/memolet", "/opt/v d/memolet", 4, entry),
              "[Desktop Entry]\nType=Application\nVersion=1.0\n"
              "Name=M\xC3\xBCller \"Max\"\nComment=\n"
              "Exec=\"/opt/v d/memolet\" \"/id=4\" \"/phone=0891234567  (Praxis) 100%%\"\n"
              "Icon=/opt/v d/memolet\nTerminal=false\n");
    EXPECT_EQ(LauncherText("/a\\b$`\"", "/a\\b$`\"", 1, Note("1", "2", "")),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=1 2\nComment=\n"
              "Exec=\"/a\\\\\\\\b\\\\$\\\\`\\\\\"\" \"/id=1\" \"/phone=12\"\n"
              "Icon=/a\\\\b$`\"\nTerminal=false\n");
}

}  // namespace
}  // namespace vendarion
