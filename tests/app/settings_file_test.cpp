#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "base/setting_names.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateSettingsFile(path_)); }

    test::TempDir dir_;
    std::string path_ = dir_.File("Morvanta/Vendarion.reg");
    SettingsFile settings_{path_};
};

TEST(SettingsFileMissing, ReadsGiveDefaultsAndWritesFailQuietly) {
    test::TempDir dir;
    SettingsFile settings(dir.File("Vendarion.reg"));
    EXPECT_EQ(Read(settings, setting::kTAPIModem), "[none]");
    EXPECT_EQ(Read(settings, setting::kInputFlags), 63);
    EXPECT_EQ(Read(settings, setting::kInternetRecPerPage), 50);
    EXPECT_EQ(Read(settings, setting::kHardDiskAppPath), "");
    EXPECT_FALSE(Write(settings, setting::kDialVorwahl, "030"));
    EXPECT_FALSE(Write(settings, setting::kConfirmDial, 0));
    EXPECT_EQ(test::ReadFile(dir.File("Vendarion.reg")), "");
}

TEST_F(SettingsFileTest, WrittenValuesReadBackWithTheirTypes) {
    EXPECT_TRUE(Write(settings_, setting::kDialVorwahl, "030"));
    EXPECT_TRUE(Write(settings_, setting::kDialUsingTAPI, 1));
    EXPECT_TRUE(Write(settings_, setting::kTAPIDeviceId, -5));
    EXPECT_EQ(Read(settings_, setting::kDialVorwahl), "030");
    EXPECT_EQ(Read(settings_, setting::kDialUsingTAPI), 1);
    EXPECT_EQ(Read(settings_, setting::kTAPIDeviceId), -5);
    // Names ignore letter case, as registry value names do.
    EXPECT_EQ(settings_.ReadText("dialvorwahl", "x"), "030");
}

TEST_F(SettingsFileTest, WrongTypeReadsAsTheDefault) {
    EXPECT_TRUE(settings_.WriteText("ConfirmDial", "0"));
    EXPECT_EQ(Read(settings_, setting::kConfirmDial), 1);
    EXPECT_TRUE(settings_.WriteNumber("DialAmt", 0));
    EXPECT_EQ(Read(settings_, setting::kDialAmt), "");
}

TEST_F(SettingsFileTest, TextLongerThan255BytesReadsAsMissing) {
    EXPECT_TRUE(settings_.WriteText("ExportFilename", std::string(255, 'a')));
    EXPECT_EQ(Read(settings_, setting::kExportFilename), std::string(255, 'a'));
    EXPECT_TRUE(settings_.WriteText("ExportFilename", std::string(256, 'a')));
    EXPECT_EQ(settings_.ReadText("ExportFilename", "default"), "default");
    // The limit counts Windows-1252 bytes, not the UTF-8 bytes of the file.
    const std::string umlauts(255, '\xFC');
    EXPECT_TRUE(settings_.WriteText("ExportFilename", umlauts));
    EXPECT_EQ(settings_.ReadText("ExportFilename", "default"), umlauts);
}

TEST_F(SettingsFileTest, TextsKeepQuotesBackslashesAndUmlauts) {
    const std::string text = "C:\\Daten\\\"K\xF6ln\" \x80";
    EXPECT_TRUE(settings_.WriteText("ExportFilename", text));
    EXPECT_EQ(settings_.ReadText("ExportFilename", ""), text);
    EXPECT_NE(test::ReadFile(path_).find("\"C:\\\\Daten\\\\\\\"Köln\\\" €\""), std::string::npos);
    EXPECT_FALSE(settings_.WriteText("ExportFilename", "two\nlines"));
    EXPECT_EQ(settings_.ReadText("ExportFilename", ""), text);
}

TEST_F(SettingsFileTest, SuccessiveWritesAllPersist) {
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(settings_.WriteNumber("Value" + std::to_string(i), i));
        EXPECT_TRUE(settings_.WriteNumber("Value0", 100 + i));
    }
    EXPECT_EQ(settings_.ReadNumber("Value0", -1), 119);
    for (int i = 1; i < 20; ++i)
        EXPECT_EQ(settings_.ReadNumber("Value" + std::to_string(i), -1), i);
    SettingsFile again(path_);
    EXPECT_EQ(again.ReadNumber("Value7", -1), 7);
}

TEST_F(SettingsFileTest, HandEditedFileWithMalformedLinesKeepsEverything) {
    test::WriteFile(path_,
                    "Windows Registry Editor Version 5.00\r\n"
                    "\r\n"
                    "; written by hand\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\r\n"
                    "\"DialAmt\"=\"0\"\r\n"
                    "this line is broken\r\n"
                    "\"Toolbar\"=dword:zz\r\n"
                    "\"Zoomed\"=dword:00000001\r\n"
                    "\"Pos\"=\"unterminated\r\n"
                    "\r\n"
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
                    "\"Zoomed\"=dword:00000000\r\n");
    EXPECT_EQ(Read(settings_, setting::kDialAmt), "0");
    EXPECT_EQ(Read(settings_, setting::kToolbar), 1);
    EXPECT_EQ(Read(settings_, setting::kZoomed), 1);
    EXPECT_EQ(Read(settings_, setting::kPos), "");

    EXPECT_TRUE(Write(settings_, setting::kPos, "1,2,3,4"));
    EXPECT_TRUE(Write(settings_, setting::kZoomed, 0));
    const std::string file = test::ReadFile(path_);
    EXPECT_NE(file.find("this line is broken"), std::string::npos);
    EXPECT_NE(file.find("; written by hand"), std::string::npos);
    EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\n\"Zoomed\"=dword:00000000"),
              std::string::npos);
    EXPECT_EQ(Read(settings_, setting::kDialAmt), "0");
    EXPECT_EQ(Read(settings_, setting::kPos), "1,2,3,4");
    EXPECT_EQ(Read(settings_, setting::kZoomed), 0);
    // The new value joined our key, before the other key.
    EXPECT_LT(file.find("\"Pos\"=\"1,2,3,4\""), file.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]"));
}

TEST_F(SettingsFileTest, DuplicateNamesCollapseToOneLineOnWrite) {
    test::WriteFile(path_,
                    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\n"
                    "\"TATIndex\"=dword:00000001\n"
                    "\"tatindex\"=dword:00000002\n");
    EXPECT_EQ(Read(settings_, setting::kTATIndex), 2);
    EXPECT_TRUE(Write(settings_, setting::kTATIndex, 3));
    const std::string file = test::ReadFile(path_);
    EXPECT_EQ(file.find("atindex"), file.rfind("atindex"));
    EXPECT_EQ(Read(settings_, setting::kTATIndex), 3);
}

// A registry export as other systems write it: UTF-16 little-endian with a byte
// order mark and CR LF line ends.
std::string Utf16LeExport(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(SettingsFileEncoding, Utf16IsReadAndWrittenBackAsUtf16) {
    test::TempDir dir;
    const std::string path = dir.File("Vendarion.reg");
    test::WriteFile(path, Utf16LeExport(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                        u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\r\n"
                                        u"\"DialVorwahl\"=\"030\"\r\n"
                                        u"\"TAPIModem\"=\"M\u00fcller \U0001F4DE\"\r\n"));
    SettingsFile settings(path);
    EXPECT_EQ(Read(settings, setting::kDialVorwahl), "030");
    EXPECT_EQ(Read(settings, setting::kTAPIModem), "M\xFCller ?");
    ASSERT_TRUE(Write(settings, setting::kDialAmt, "0"));
    EXPECT_EQ(test::ReadFile(path),
              Utf16LeExport(u"Windows Registry Editor Version 5.00\r\n\r\n"
                            u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\r\n"
                            u"\"DialVorwahl\"=\"030\"\r\n"
                            u"\"TAPIModem\"=\"M\u00fcller \U0001F4DE\"\r\n"
                            u"\"DialAmt\"=\"0\"\r\n"));
}

TEST(SettingsFileEncoding, BrokenUtf16IsNeitherReadNorWritten) {
    test::TempDir dir;
    const std::string path = dir.File("Vendarion.reg");
    const std::string broken = Utf16LeExport(u"\"DialAmt\"=\"0\"\r\n") + "\x00\xD8" + "x";
    test::WriteFile(path, broken);
    SettingsFile settings(path);
    EXPECT_EQ(Read(settings, setting::kDialAmt), "");
    EXPECT_FALSE(Write(settings, setting::kDialVorwahl, "030"));
    EXPECT_EQ(test::ReadFile(path), broken);
}

TEST(SettingsFileEncoding, AUtf8MarkIsKept) {
    test::TempDir dir;
    const std::string path = dir.File("Vendarion.reg");
    test::WriteFile(path, "\xEF\xBB\xBF\"DialAmt\"=\"0\"\n");
    SettingsFile settings(path);
    EXPECT_EQ(Read(settings, setting::kDialAmt), "0");
    ASSERT_TRUE(Write(settings, setting::kDialAmt, "9"));
    EXPECT_EQ(test::ReadFile(path), "\xEF\xBB\xBF\"DialAmt\"=\"9\"\n");
}

TEST_F(SettingsFileTest, ALinkedFileStaysALinkAndItsTargetChanges) {
    const std::string target = dir_.File("dotfiles/Vendarion.reg");
    std::filesystem::create_directory(dir_.File("dotfiles"));
    std::filesystem::rename(path_, target);
    std::filesystem::create_symlink("../dotfiles/Vendarion.reg", path_);
    ASSERT_TRUE(Write(settings_, setting::kDialVorwahl, "089"));
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    SettingsFile linked_target(target);
    EXPECT_EQ(Read(linked_target, setting::kDialVorwahl), "089");
}

TEST_F(SettingsFileTest, TwoProcessesWritingAtOnceLoseNoValue) {
    constexpr int kRounds = 150;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SettingsFile own(path_);
        bool ok = true;
        for (int i = 0; i < kRounds; ++i)
            ok = own.WriteNumber("Child" + std::to_string(i), i) && ok;
        ::_exit(ok ? 0 : 1);
    }
    bool ok = true;
    for (int i = 0; i < kRounds; ++i)
        ok = settings_.WriteNumber("Parent" + std::to_string(i), i) && ok;
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    int missing = 0;
    for (int i = 0; i < kRounds; ++i) {
        if (settings_.ReadNumber("Child" + std::to_string(i), -1) != i) ++missing;
        if (settings_.ReadNumber("Parent" + std::to_string(i), -1) != i) ++missing;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.File("Morvanta")),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left";
}

TEST(SettingsFileCreate, CreatesFoldersOnceAndLeavesAnExistingFileAlone) {
    test::TempDir dir;
    const std::string path = dir.File("a/b/Vendarion.reg");
    ASSERT_TRUE(CreateSettingsFile(path));
    SettingsFile settings(path);
    EXPECT_TRUE(Write(settings, setting::kDialVorwahl, "0221"));
    ASSERT_TRUE(CreateSettingsFile(path));
    EXPECT_EQ(Read(settings, setting::kDialVorwahl), "0221");
}

}  // namespace
}  // namespace vendarion
