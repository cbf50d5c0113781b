#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
}  // namespace vendarion
