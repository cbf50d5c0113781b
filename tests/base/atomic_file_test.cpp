#include "base/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vendarion {
namespace {

int CountFiles(const std::string& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

TEST(ReplaceFileContents, ReplacesWholeAndKeepsPermissions) {
    test::TempDir dir;
    const std::string path = dir.File("store");
    ASSERT_TRUE(ReplaceFileContents(path, "first version, rather long"));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(ReplaceFileContents(path, "second"));
    EXPECT_EQ(test::ReadFile(path), "second");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(CountFiles(dir.path()), 1);
}

TEST(ReplaceFileContents, ReplaceExistingDoesNotCreate) {
    test::TempDir dir;
    const std::string path = dir.File("missing");
    EXPECT_FALSE(ReplaceFileContents(path, "x", ReplaceMode::kReplaceExisting));
    EXPECT_EQ(CountFiles(dir.path()), 0);
}

TEST(ReplaceFileContents, FailureLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    // The target is a folder: the rename fails after the temporary file was written.
    const std::string path = dir.File("folder");
    ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
    EXPECT_FALSE(ReplaceFileContents(path, "data"));
    EXPECT_EQ(CountFiles(dir.path()), 1);
    // A folder that does not exist cannot take the temporary file.
    EXPECT_FALSE(ReplaceFileContents(dir.File("none/file"), "data"));
}

TEST(ReadFileContents, ReadsBytesAndReportsMissingFiles) {
    test::TempDir dir;
    const std::string bytes("a\0b\xFF", 4);
    test::WriteFile(dir.File("f"), bytes);
    std::string contents;
    ASSERT_TRUE(ReadFileContents(dir.File("f"), &contents));
    EXPECT_EQ(contents, bytes);
    EXPECT_FALSE(ReadFileContents(dir.File("g"), &contents));
    EXPECT_FALSE(ReadFileContents(dir.path(), &contents));
}

TEST(ReplaceFileContents, ReplacesTheTargetOfASymbolicLink) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("dotfiles"));
    test::WriteFile(dir.File("dotfiles/settings"), "old");
    std::filesystem::create_symlink("dotfiles/settings", dir.File("settings"));
    ASSERT_TRUE(ReplaceFileContents(dir.File("settings"), "new", ReplaceMode::kReplaceExisting));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("settings")));
    EXPECT_EQ(test::ReadFile(dir.File("dotfiles/settings")), "new");
    EXPECT_EQ(CountFiles(dir.File("dotfiles")), 1);

    // A dangling link is a missing target: nothing is created for kReplaceExisting.
    std::filesystem::create_symlink("nowhere", dir.File("dangling"));
    EXPECT_FALSE(ReplaceFileContents(dir.File("dangling"), "x", ReplaceMode::kReplaceExisting));
    std::filesystem::create_symlink("loop", dir.File("loop"));
    EXPECT_FALSE(ReplaceFileContents(dir.File("loop"), "x"));
}

TEST(RemoveStaleTemporaries, RemovesLeftoversButNotFilesAWriterHolds) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    test::WriteFile(path, "store");
    test::WriteFile(path + ".tmp-abc123", "killed writer");
    test::WriteFile(path + ".tmp-held01", "running writer");
    test::WriteFile(path + ".tmp-toolong7", "not ours");
    test::WriteFile(dir.File("Other.vdr.tmp-abc123"), "another file's");
    const int held = ::open((path + ".tmp-held01").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_EQ(RemoveStaleTemporaries(path), 1);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp-abc123"));
    EXPECT_TRUE(std::filesystem::exists(path + ".tmp-held01"));
    EXPECT_TRUE(std::filesystem::exists(path + ".tmp-toolong7"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("Other.vdr.tmp-abc123")));
    EXPECT_EQ(test::ReadFile(path), "store");
    ::close(held);
    EXPECT_EQ(RemoveStaleTemporaries(path), 1);
}

TEST(SetFileAside, MovesWithoutReplacingAnything) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    test::WriteFile(path, "damaged 1");
    std::string first;
    ASSERT_TRUE(SetFileAside(path, &first));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(first.rfind(path + ".defekt-", 0), 0u) << first;
    EXPECT_EQ(first.size(), path.size() + std::string(".defekt-YYYYMMDD-HHMMSS").size());
    EXPECT_EQ(test::ReadFile(first), "damaged 1");

    test::WriteFile(path, "damaged 2");
    std::string second;
    ASSERT_TRUE(SetFileAside(path, &second));
    EXPECT_NE(second, first);
    EXPECT_EQ(test::ReadFile(first), "damaged 1");
    EXPECT_EQ(test::ReadFile(second), "damaged 2");
    EXPECT_FALSE(SetFileAside(dir.File("missing"), &second));
}

}  // namespace
}  // namespace vendarion
