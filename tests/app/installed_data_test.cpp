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
    // A folder that cannot hold the file: false, nothing written.
    Touch(dir.path() + "/file");
    EXPECT_FALSE(WriteArchiveSettings(dir.path() + "/file/Vendarion.reg", "/d"));
}

}  // namespace
}  // namespace vendarion
