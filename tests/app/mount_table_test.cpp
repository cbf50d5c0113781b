#include "app/mount_table.h"

#include <gtest/gtest.h>

#include "app/drive_choice.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

constexpr char kMountInfo[] =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
    "35 22 0:30 / /home/user/net rw shared:20 - nfs4 server:/export rw\n"
    "36 22 11:0 / /media/user/CD\\040ROM ro,nosuid master:3 - iso9660 /dev/sr0 ro\n"
    "garbage line\n"
    "37 22 0:31 / /media/user/stick rw - vfat /dev/sdb1 rw\n"
    "38 22 11:1 / /mnt/dvd ro - udf /dev/sr1 ro";

TEST(MountTable, ParsesMountPointsAndTypesWithEscapes) {
    const std::vector<MountEntry> mounts = ParseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 5u);
    EXPECT_EQ(mounts[0].mount_point, "/");
    EXPECT_EQ(mounts[1].file_system, "nfs4");
    EXPECT_EQ(mounts[2].mount_point, "/media/user/CD ROM");
    EXPECT_EQ(mounts[4].file_system, "udf");
    EXPECT_TRUE(ParseMountInfo("").empty());
    EXPECT_TRUE(ParseMountInfo("1 2 3 4\n").empty());
}

TEST(MountTable, TheLongestMountHoldingThePathDecides) {
    const std::vector<MountEntry> mounts = ParseMountInfo(kMountInfo);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/usr/bin/vendarion"), DriveType::kFixed);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/home/user/net/Index.mf"), DriveType::kRemote);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/home/user/network/Index.mf"), DriveType::kFixed);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/media/user/CD ROM/Vendario/Index.mf"), DriveType::kOptical);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/mnt/dvd"), DriveType::kOptical);
    EXPECT_EQ(DriveTypeOfPath(mounts, "/media/user/stick/x"), DriveType::kFixed);
    EXPECT_EQ(DriveTypeOfPath({}, "/anything"), DriveType::kFixed);
    EXPECT_EQ(ClassifyFileSystem("cifs"), DriveType::kRemote);
    EXPECT_EQ(ClassifyFileSystem("fuse.sshfs"), DriveType::kRemote);
    EXPECT_EQ(ClassifyFileSystem("btrfs"), DriveType::kFixed);
}

TEST(DriveChoice, OffersEveryOpticalMediumAndChecksTheProductFolder) {
    test::TempDir dir;
    test::FakePlatform platform;
    platform.drives = {{dir.File("cd1"), DriveType::kOptical},
                       {dir.File("disk"), DriveType::kFixed},
                       {dir.File("cd2"), DriveType::kOptical}};
    ::mkdir(dir.File("cd2").c_str(), 0755);
    ::mkdir(dir.File("cd2/Vendario").c_str(), 0755);
    test::WriteFile(dir.File("cd2/Vendario/Data.mf"), "x");

    const DriveChoice choice(platform, "Data.mf", dir.File("cd2/Vendario/Data.mf"));
    EXPECT_EQ(choice.Items(), (std::vector<std::string>{dir.File("cd1"), dir.File("cd2")}));
    EXPECT_EQ(choice.Preselected(), 1);
    EXPECT_EQ(choice.Accept(1), dir.File("cd2/Vendario/Data.mf"));
    EXPECT_EQ(choice.Accept(0), std::nullopt);
    EXPECT_EQ(choice.Accept(2), std::nullopt);
    EXPECT_EQ(choice.Accept(-1), std::nullopt);
    EXPECT_EQ(DriveChoice(platform, "Data.mf", "/elsewhere/Data.mf").Preselected(), 0);

    platform.drives.clear();
    EXPECT_EQ(DriveChoice(platform, "Data.mf", "/x").Preselected(), -1);
}

}  // namespace
}  // namespace vendarion
