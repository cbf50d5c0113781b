#include "stream_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vendarion::datagen {
namespace {

TEST(StreamFile, TargetAppearsOnlyWhenFinished) {
    test::TempDir dir;
    const std::string path = dir.File("out.tsv");
    {
        StreamFile file;
        ASSERT_TRUE(file.Open(path));
        file.Append("abc\n");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "abandoned temp file removed";

    StreamFile file;
    ASSERT_TRUE(file.Open(path));
    file.Append("abc\n");
    file.Append("def\n");
    ASSERT_TRUE(file.Finish());
    EXPECT_EQ(test::ReadFile(path), "abc\ndef\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(StreamFile, MissingFolderFails) {
    test::TempDir dir;
    StreamFile file;
    EXPECT_FALSE(file.Open(dir.File("no/such/out.tsv")));
    EXPECT_FALSE(file.Finish());
}

}  // namespace
}  // namespace vendarion::datagen
