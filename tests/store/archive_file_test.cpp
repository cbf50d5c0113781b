#include "store/archive_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "store/archive_writer.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

using Members = std::vector<std::pair<std::string, std::string>>;

std::string ToString(ByteView view) {
    return {reinterpret_cast<const char*>(view.data()), view.size()};
}

std::string BuildArchive(const std::string& path, const Members& members) {
    ArchiveWriter writer;
    EXPECT_TRUE(writer.Create(path)) << writer.Error();
    for (const auto& [name, bytes] : members) EXPECT_TRUE(writer.AddMember(name, bytes));
    EXPECT_TRUE(writer.Finish()) << writer.Error();
    return test::ReadFile(path);
}

std::string U32(std::uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

// One raw 88-byte directory entry.
std::string Entry(std::uint32_t offset, std::uint32_t length, std::string name) {
    name.resize(80, '\0');
    return U32(offset) + U32(length) + name;
}

class ArchiveFileTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.File(name); }
    test::TempDir dir_;
};

TEST_F(ArchiveFileTest, FindsMembersWrittenByTheWriter) {
    const std::string path = Path("Index.mf");
    BuildArchive(path, {{"VERSION", VersionMember(1, 3)},
                        {"Orte.i2", "index bytes"},
                        {"empty", ""},
                        {"MainTable.z", std::string(5000, '\x7F')}});
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(archive.EntryCount(), 4);
    EXPECT_EQ(archive.Version().major, 1);
    EXPECT_EQ(archive.Version().minor, 3);
    ByteView member;
    ASSERT_TRUE(archive.Find("Orte.i2", &member));
    EXPECT_EQ(ToString(member), "index bytes");
    ASSERT_TRUE(archive.Find("empty", &member));
    EXPECT_EQ(member.size(), 0u);
    EXPECT_EQ(archive.Member("MainTable.z").size(), 5000u);
    EXPECT_EQ(archive.EntryName(1), "Orte.i2");
    EXPECT_EQ(archive.EntryOffset(1), 4u);
    EXPECT_FALSE(archive.Find("Orte.z2", &member));
    EXPECT_EQ(archive.Member("Orte").data(), nullptr);
}

TEST_F(ArchiveFileTest, NamesIgnoreLetterCaseAndTheFirstEntryWins) {
    const std::string path = Path("Code.mf");
    BuildArchive(path,
                 {{"namen.dz", "first"}, {"Namen.DZ", "second"}, {"VERSION", VersionMember(1, 3)}});
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(ToString(archive.Member("NAMEN.dz")), "first");
    EXPECT_EQ(ToString(archive.Member("Namen.dz")), "first");
    EXPECT_EQ(archive.Version().minor, 3);  // "version" finds "VERSION"
}

TEST_F(ArchiveFileTest, EightyByteNameWithoutTerminator) {
    const std::string name(80, 'n');
    const std::string path = Path("a.mf");
    BuildArchive(path, {{name, "x"}});
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(ToString(archive.Member(name)), "x");
    EXPECT_EQ(ToString(archive.Member(name + "more")), "x");  // compared over 80 bytes
    EXPECT_EQ(archive.Member(name.substr(1)).data(), nullptr);
}

TEST_F(ArchiveFileTest, NoEntriesMeansEveryLookupFailsAndVersionOneOne) {
    const std::string path = Path("empty.mf");
    test::WriteFile(path, U32(0));
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(archive.EntryCount(), 0);
    EXPECT_EQ(archive.Version().major, 1);
    EXPECT_EQ(archive.Version().minor, 1);
    EXPECT_EQ(archive.Member("VERSION").data(), nullptr);
}

TEST_F(ArchiveFileTest, DirectoryRemainderIsIgnored) {
    const std::string data = "abc";
    const std::string path = Path("rest.mf");
    test::WriteFile(path, data + Entry(0, 3, "m") + std::string(50, '\0') + U32(3));
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(archive.EntryCount(), 1);
    EXPECT_EQ(ToString(archive.Member("m")), "abc");
}

TEST_F(ArchiveFileTest, MissingOrEmptyFileFailsWithoutTouchingAnOpenArchive) {
    const std::string good = Path("good.mf");
    BuildArchive(good, {{"VERSION", VersionMember(2, 0)}});
    test::WriteFile(Path("zero.mf"), "");
    ArchiveFile archive;
    EXPECT_FALSE(archive.Open(Path("none.mf")));
    EXPECT_EQ(archive.Version().major, 0);
    EXPECT_EQ(archive.Version().minor, 0);
    ASSERT_TRUE(archive.Open(good));
    EXPECT_FALSE(archive.Open(Path("zero.mf")));
    EXPECT_FALSE(archive.Open(Path("none.mf")));
    EXPECT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.Version().major, 2);
    EXPECT_EQ(archive.LastError(), 0);
}

TEST_F(ArchiveFileTest, CloseTwiceIsHarmlessAndResetsVersion) {
    const std::string path = Path("c.mf");
    BuildArchive(path, {{"VERSION", VersionMember(1, 3)}});
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    archive.Close();
    archive.Close();
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_EQ(archive.Version().major, 0);
    EXPECT_EQ(archive.Member("VERSION").data(), nullptr);
}

TEST_F(ArchiveFileTest, RefusesPointersOutsideTheFile) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const std::string data(10, 'd');
    const std::vector<Case> cases = {
        {"directory offset past the trailer", data + U32(11)},
        {"directory offset far away", data + U32(0xFFFFFFF0u)},
        {"member beyond the end", data + Entry(5, 100, "m") + U32(10)},
        {"member offset beyond the end", data + Entry(1000, 0, "m") + U32(10)},
        {"member length wraps around", data + Entry(8, 0xFFFFFFFCu, "m") + U32(10)},
        {"short VERSION member", data + Entry(0, 3, "VERSION") + U32(10)},
        {"three bytes only", "abc"},
    };
    for (const Case& c : cases) {
        const std::string path = Path("bad.mf");
        test::WriteFile(path, c.bytes);
        ArchiveFile archive;
        EXPECT_FALSE(archive.Open(path)) << c.what;
        EXPECT_FALSE(archive.IsOpen()) << c.what;
        EXPECT_NE(archive.LastError(), 0) << c.what;
        EXPECT_EQ(archive.Version().major, 0) << c.what;
    }
}

TEST_F(ArchiveFileTest, TruncationAtEveryLengthNeverReadsOutside) {
    const std::string path = Path("full.mf");
    const std::string bytes =
        BuildArchive(path, {{"VERSION", VersionMember(1, 3)}, {"a", "alpha"}, {"b", "beta"}});
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        const std::string cut = Path("cut.mf");
        test::WriteFile(cut, bytes.substr(0, length));
        ArchiveFile archive;
        if (!archive.Open(cut)) continue;
        // Whatever opened must only hand out views inside the file.
        for (int i = 0; i < archive.EntryCount(); ++i) {
            const ByteView member = archive.EntryMember(i);
            EXPECT_LE(archive.EntryOffset(i) + member.size(), length);
        }
    }
}

TEST_F(ArchiveFileTest, ByteFlipsInTheDirectoryAreRefusedOrStayInside) {
    const std::string path = Path("flip.mf");
    const std::string bytes = BuildArchive(path, {{"a", "alpha"}, {"b", std::string(300, 'b')}});
    const std::size_t directory = bytes.size() - 4 - 2 * 88;
    for (std::size_t at = directory; at < bytes.size(); ++at) {
        for (const int flip : {0x01, 0x80, 0xFF}) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(damaged[at] ^ flip);
            test::WriteFile(path, damaged);
            ArchiveFile archive;
            if (!archive.Open(path)) continue;
            for (int i = 0; i < archive.EntryCount(); ++i) {
                EXPECT_LE(std::uint64_t{archive.EntryOffset(i)} + archive.EntryMember(i).size(),
                          damaged.size());
            }
        }
    }
}

TEST_F(ArchiveFileTest, AFileTruncatedWhileMappedReadsAsZerosInsteadOfKilling) {
    const std::string path = Path("shrinking.mf");
    const std::string big(3 * 65536, 'a');
    BuildArchive(path, {{"Big", big}, {"VERSION", std::string("\x01\x00\x03\x00", 4)}});
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    const ByteView member = archive.Member("Big");
    ASSERT_EQ(member.size(), big.size());
    EXPECT_FALSE(archive.Faulted());
    // As a copy over the file in place, or a removed medium, would leave it.
    ASSERT_EQ(::truncate(path.c_str(), 100), 0);
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < member.size(); ++i) zeros += member.data()[i] == 0 ? 1 : 0;
    EXPECT_GE(zeros, member.size() - 65536);
    EXPECT_TRUE(archive.Faulted());
    archive.Close();
    // A fresh open of the same path sees the short file and refuses it.
    EXPECT_FALSE(archive.Open(path));
}

TEST_F(ArchiveFileTest, AHugeSparseDirectoryIsRefusedAtOnce) {
    const std::string path = Path("sparse.mf");
    // Four gigabytes of holes whose trailer puts the directory at offset 0: some 48
    // million entries of zeros.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const off_t size = off_t{4} << 30;
    ASSERT_EQ(::ftruncate(fd, size), 0);
    const std::string trailer = U32(0);
    ASSERT_EQ(::pwrite(fd, trailer.data(), 4, size - 4), 4);
    ::close(fd);
    const auto start = std::chrono::steady_clock::now();
    ArchiveFile archive;
    EXPECT_FALSE(archive.Open(path));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));

    // The largest directory allowed opens, and lookups find its last entry.
    std::string directory;
    for (int i = 0; i < ArchiveFile::kMaxEntries; ++i)
        directory += Entry(0, 0, "m" + std::to_string(i));
    test::WriteFile(path, directory + U32(0));
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(archive.EntryCount(), ArchiveFile::kMaxEntries);
    ByteView found;
    EXPECT_TRUE(archive.Find("M" + std::to_string(ArchiveFile::kMaxEntries - 1), &found));
    EXPECT_FALSE(archive.Find("m" + std::to_string(ArchiveFile::kMaxEntries), &found));
    test::WriteFile(path, directory + Entry(0, 0, "one more") + U32(0));
    EXPECT_FALSE(archive.Open(path));
}

TEST_F(ArchiveFileTest, WriterRefusesBadNamesAndLeavesNoPartialArchive) {
    const std::string path = Path("w.mf");
    {
        ArchiveWriter writer;
        ASSERT_TRUE(writer.Create(path));
        EXPECT_FALSE(writer.AddMember("", "x"));
        EXPECT_FALSE(writer.AddMember(std::string(81, 'n'), "x"));
        EXPECT_FALSE(writer.Error().empty());
        ASSERT_TRUE(writer.AddMember("ok", "x"));
    }  // abandoned without Finish
    EXPECT_EQ(test::ReadFile(path), "");
    ArchiveFile archive;
    EXPECT_FALSE(archive.Open(path));

    ArchiveWriter writer;
    EXPECT_FALSE(writer.Create(Path("missing-folder/x.mf")));
    EXPECT_FALSE(writer.Error().empty());
}

TEST_F(ArchiveFileTest, WriterStreamsAMemberInPieces) {
    const std::string path = Path("s.mf");
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Create(path));
    ASSERT_TRUE(writer.BeginMember("big"));
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(writer.Append(std::string(1000, char('a' + i % 26))));
    ASSERT_TRUE(writer.AddMember("small", "s"));
    EXPECT_EQ(writer.Position(), 100001u);
    ASSERT_TRUE(writer.Finish());
    ArchiveFile archive;
    ASSERT_TRUE(archive.Open(path));
    const ByteView big = archive.Member("big");
    ASSERT_EQ(big.size(), 100000u);
    EXPECT_EQ(big.data()[99999], 'a' + 99 % 26);
    EXPECT_EQ(ToString(archive.Member("small")), "s");
}

}  // namespace
}  // namespace vendarion
