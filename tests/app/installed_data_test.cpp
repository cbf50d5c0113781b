// The set-up step of a copy that was never set up: where it looks for the archives
// and the settings file it writes.
#include "app/installed_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/settings_file.h"
#include "base/setting_names.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

void MakeArchives(const std::string& folder, int count) {
    std::filesystem::create_directories(folder);
    const char* names[] = {"Index.mf", "Code.mf", "List.mf", "Data.mf"};
    for (int i = 0; i < count; ++i) Touch(folder + "/" + names[i]);
}

TEST(InstalledData, FoldersFollowTheDataDirsThenTheBuild) {
    EXPECT_EQ(InstalledDataFolders("/opt/share/:relative:/usr/share", "/b/data"),
              (std::vector<std::string>{"/opt/share/vendarion/data", "/usr/share/vendarion/data",
                                        "/b/data"}));
    EXPECT_EQ(
        InstalledDataFolders("", ""),
        (std::vector<std::string>{"/usr/local/share/vendarion/data", "/usr/share/vendarion/data"}));
    EXPECT_EQ(InstalledDataFolders("::", "/b"), (std::vector<std::string>{"/b"}));
}

TEST(InstalledData, TheFirstFolderWithAllFourArchivesWins) {
    test::TempDir dir;
    test::FakePlatform platform;
    MakeArchives(dir.path() + "/partial", 3);
    MakeArchives(dir.path() + "/whole", 4);
    MakeArchives(dir.path() + "/later", 4);
    const std::vector<std::string> folders = {dir.path() + "/missing", dir.path() + "/partial",
                                              dir.path() + "/whole", dir.path() + "/later"};
    EXPECT_EQ(FindInstalledData(platform, folders), dir.path() + "/whole");
    EXPECT_EQ(FindInstalledData(platform, {dir.path() + "/partial"}), std::nullopt);
}

TEST(InstalledData, WritesANewSettingsFileWithTheFourPaths) {
    test::TempDir dir;
    const std::string path = dir.path() + "/config/Morvanta/Vendarion.reg";
    ASSERT_TRUE(WriteArchiveSettings(path, "/usr/share/vendarion/data"));
    SettingsFile settings(path);
    EXPECT_EQ(Read(settings, setting::kIndexFilename), "/usr/share/vendarion/data/Index.mf");
    EXPECT_EQ(Read(settings, setting::kDataFilename), "/usr/share/vendarion/data/Data.mf");
    // A folder that cannot hold the file: false, nothing left behind.
    Touch(dir.path() + "/file");
    EXPECT_FALSE(WriteArchiveSettings(dir.path() + "/file/Vendarion.reg", "/d"));
    std::filesystem::create_directories(dir.path() + "/locked");
    std::filesystem::create_directories(dir.path() + "/locked/Vendarion.reg");
    EXPECT_FALSE(WriteArchiveSettings(dir.path() + "/locked/Vendarion.reg", "/d"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/locked/Vendarion.reg.new"));
}

TEST(InstalledData, TheStepRunsOnlyForACopyThatWasNeverSetUp) {
    test::TempDir dir;
    test::FakePlatform platform;
    platform.program_path = dir.path() + "/bin/vendarion";
    std::filesystem::create_directories(dir.path() + "/bin");
    MakeArchives(dir.path() + "/share/vendarion/data", 4);
    const std::string settings = dir.path() + "/Vendarion.reg";
    const std::string dirs = dir.path() + "/share";
    EXPECT_TRUE(SetUpUnlessDone(platform, settings, dirs, ""));
    SettingsFile written(settings);
    EXPECT_EQ(Read(written, setting::kListFilename), dirs + "/vendarion/data/List.mf");
    // A settings file that exists is the user's own.
    EXPECT_FALSE(SetUpUnlessDone(platform, settings, dirs, ""));
    std::filesystem::remove(settings);
    // Archives beside the program are found without a settings file.
    Touch(dir.path() + "/bin/Index.mf");
    EXPECT_FALSE(SetUpUnlessDone(platform, settings, dirs, ""));
    EXPECT_FALSE(std::filesystem::exists(settings));
    std::filesystem::remove(dir.path() + "/bin/Index.mf");
    // Nothing complete anywhere: no file, and the start-up asks for the set-up.
    EXPECT_FALSE(SetUpUnlessDone(platform, settings, dir.path() + "/none", ""));
    EXPECT_FALSE(std::filesystem::exists(settings));
}

}  // namespace
}  // namespace vendarion
