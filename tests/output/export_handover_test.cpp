#include "output/export_handover.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/setting_names.h"
#include "output/oem_code_page.h"
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
    // A dot in a folder's name is no extension: the file's name stays.
    EXPECT_EQ(FileNameForFormat("/home/u/a.b/liste", 6), "/home/u/a.b/liste");
    EXPECT_EQ(FileNameForFormat("/home/u/a.b/liste.txt", 6), "/home/u/a.b/liste.html");
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

TEST(ExportHandover, ClipboardTextIsTheCharactersOfTheFormat) {
    SubscriberEntry entry;
    entry[EntryField::kTown] = "K\xF6ln";
    const std::vector<SubscriberEntry> entries = {entry};
    // The Windows formats and the DOS formats both read "Köln", and "Straße" in the
    // column titles.
    for (const int format : {0, 1, 2, 3}) {
        const std::string text = BuildClipboardText(entries, format);
        EXPECT_NE(text.find("K\xC3\xB6ln"), std::string::npos) << format;
        EXPECT_NE(text.find("Stra\xC3\x9F"
                            "e"),
                  std::string::npos)
            << format;
    }
    EXPECT_EQ(BuildClipboardText(entries, 9), "");
    EXPECT_EQ(BuildClipboardText({}, 1), "");
}

TEST(ExportHandover, CodePage850ReadsBackEveryLatinCharacter) {
    // Every Windows-1252 character from 0xA0 on exists in code page 850.
    for (int byte = 0xA0; byte <= 0xFF; ++byte) {
        const std::string character(1, static_cast<char>(byte));
        EXPECT_EQ(Cp850ToUtf8(Cp1252ToCp850(character)), Cp1252ToUtf8(character)) << byte;
    }
    EXPECT_EQ(Cp850ToUtf8("\xC9\xCD\xBB"), "\xE2\x95\x94\xE2\x95\x90\xE2\x95\x97");
    EXPECT_EQ(Cp850ToUtf8("abc"), "abc");
}

}  // namespace
}  // namespace vendarion
