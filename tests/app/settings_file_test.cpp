#include "app/settings_file.h"

#include <gtest/gtest.h>

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
