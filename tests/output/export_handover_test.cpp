#include "output/export_handover.h"

#include <gtest/gtest.h>

#include "base/setting_names.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

TEST(ExportHandover, AtMostSeventyFiveRows) {
    EXPECT_EQ(CheckExportSelection(75), 0);
    EXPECT_EQ(CheckExportSelection(76), export_message::kTooMany);
}

TEST(ExportHandover, DialogOpensWithTheStoredChoice) {
    test::MemorySettings settings;
    ExportChoice choice = ReadExportChoice(settings);
    EXPECT_EQ(choice.format, 0);
    EXPECT_FALSE(choice.to_clipboard);
    Write(settings, setting::kExportType, 12);
    Write(settings, setting::kExportClipboard, 5);
    Write(settings, setting::kExportFilename, "/tmp/a.csv");
    choice = ReadExportChoice(settings);
    EXPECT_EQ(choice.format, 8);
    EXPECT_TRUE(choice.to_clipboard);
    EXPECT_EQ(choice.file_name, "/tmp/a.csv");
}

TEST(ExportHandover, StoringNeedsAFileNameUnlessTheClipboardIsChosen) {
    test::MemorySettings settings;
    EXPECT_EQ(StoreExportChoice(settings, {3, false, ""}), export_message::kNeedFileName);
    EXPECT_EQ(Read(settings, setting::kExportType), 3);
    EXPECT_EQ(Read(settings, setting::kExportClipboard), 0);
    EXPECT_FALSE(settings.Has("ExportFilename"));
    EXPECT_EQ(StoreExportChoice(settings, {6, false, "/x/out.html"}), 0);
    EXPECT_EQ(Read(settings, setting::kExportFilename), "/x/out.html");
    EXPECT_EQ(StoreExportChoice(settings, {1, true, ""}), 0);
    EXPECT_EQ(Read(settings, setting::kExportClipboard), 1);
}

TEST(ExportHandover, FormatChangeReplacesTheExtension) {
    EXPECT_EQ(FileNameForFormat("/home/u/liste.csv", 6), "/home/u/liste.html");
    EXPECT_EQ(FileNameForFormat("a.b.txt", 7), "a.b.rtf");
    EXPECT_EQ(FileNameForFormat("liste", 7), "liste");
    EXPECT_EQ(FileNameForFormat("liste.", 2), "liste.txt");
}

TEST(ExportHandover, FileExportWritesWholeOrNothing) {
    test::TempDir dir;
    SubscriberEntry entry;
    entry[EntryField::kName] = "Meier";
    const std::vector<SubscriberEntry> entries(2, entry);
    const std::string path = dir.File("out.csv");
    test::WriteFile(path, "old");
    ExportMessage message = ExportToFile(std::span(entries).first(1), 1, path, 1);
    EXPECT_EQ(message.message, export_message::kFileOne);
    EXPECT_NE(test::ReadFile(path).find("\"Meier\""), std::string::npos);
    message = ExportToFile(entries, 1, path, 3);
    EXPECT_EQ(message.message, export_message::kFileMany);
    EXPECT_EQ(message.number, 3);

    const std::string blocked = dir.File("folder");
    test::WriteFile(dir.File("folder"), "keep");
    message = ExportToFile(entries, 1, blocked + "/x.csv", 2);
    EXPECT_EQ(message.message, export_message::kFileFailed);
    EXPECT_EQ(message.text, blocked + "/x.csv");
    // Nothing read or an unknown format: nothing written, no message.
    EXPECT_EQ(ExportToFile({}, 1, dir.File("none.csv"), 1).message, 0);
    EXPECT_EQ(ExportToFile(entries, 9, dir.File("none.csv"), 1).message, 0);
    EXPECT_TRUE(test::ReadFile(dir.File("none.csv")).empty());
}

TEST(ExportHandover, ClipboardMessages) {
    EXPECT_EQ(ClipboardExportMessage(true, 1).message, export_message::kClipboardOne);
    const ExportMessage many = ClipboardExportMessage(true, 2);
    EXPECT_EQ(many.message, export_message::kClipboardMany);
    EXPECT_EQ(many.number, 2);
    EXPECT_EQ(ClipboardExportMessage(false, 2).message, export_message::kClipboardFailed);
}

}  // namespace
}  // namespace vendarion
