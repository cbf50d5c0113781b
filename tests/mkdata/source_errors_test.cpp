// Bad source lines are reported with their file and line, and leave the output
// folder untouched.
#include <gtest/gtest.h>

#include <dirent.h>

#include <set>
#include <string>

#include "data_compiler.h"
#include "source_files.h"
#include "support/temp_dir.h"

namespace vendarion::mkdata {
namespace {

std::set<std::string> Listing(const std::string& dir) {
    std::set<std::string> names;
    DIR* folder = opendir(dir.c_str());
    if (folder == nullptr) return names;
    while (const dirent* entry = readdir(folder)) names.insert(entry->d_name);
    closedir(folder);
    return names;
}

// Compiles the default sources with one file replaced; returns the error.
std::string CompileWith(const std::string& file, const std::string& text) {
    test::TempDir source;
    test::TempDir output;
    test::SourceFiles files;
    files.files[file] = text;
    files.WriteTo(source.path());
    test::WriteFile(output.File("Index.mf"), "old");
    CompileLog log;
    EXPECT_FALSE(CompileDataSet(source.path(), output.path(), {}, &log));
    EXPECT_EQ(Listing(output.path()), (std::set<std::string>{".", "..", "Index.mf"}));
    EXPECT_EQ(test::ReadFile(output.File("Index.mf")), "old");
    const std::string prefix = source.path() + "/";
    return log.error.starts_with(prefix) ? log.error.substr(prefix.size()) : log.error;
}

const std::string kGood = "0\t0\tMeier\tHans\t\t\t\t\t\t\tWeg\t1\t\t\t\t\t1234\t0\t0\n";

TEST(SourceErrors, NameFileAndLine) {
    EXPECT_EQ(CompileWith("subscribers.tsv", kGood + "0\t0\tMeier\n"),
              "subscribers.tsv:2: expected 19 fields, found 3");
    EXPECT_EQ(CompileWith("subscribers.tsv", "# comment\n\n0\t1" + kGood.substr(3)),
              "subscribers.tsv:3: sub-entry without a main entry of the same book above it");
    EXPECT_EQ(CompileWith("subscribers.tsv", kGood + "1\t1" + kGood.substr(3)),
              "subscribers.tsv:2: sub-entry without a main entry of the same book above it");
    EXPECT_EQ(CompileWith("subscribers.tsv", "5" + kGood.substr(1)),
              "subscribers.tsv:1: no book '5' in books.tsv");
    EXPECT_EQ(
        CompileWith("subscribers.tsv", "0\t0\tMeier\tHans\t\t\t\t\t\t\tWeg\t1\t3\t\t\t\t1\t0\t0\n"),
        "subscribers.tsv:1: no place index '3' in this book");
    EXPECT_EQ(CompileWith("subscribers.tsv",
                          "0\t0\tM\xE2\x82\xACier\tHans\t\t\t\t\t\t\tWeg\t1\t\t\t\t\t0123\t0\t0\n"),
              "subscribers.tsv:1: phone number must be digits not starting with 0, at most "
              "2147483647");
    EXPECT_EQ(CompileWith("subscribers.tsv", "0\t0\t" + std::string(255, 'x') + kGood.substr(9)),
              "subscribers.tsv:1: surname longer than 254 bytes");
    EXPECT_EQ(CompileWith("books.tsv", "book\t0\tA\t1\nbook\t2\tB\t1\n"),
              "books.tsv:2: book number must be 1");
    EXPECT_EQ(CompileWith("books.tsv", "area\t030\n"), "books.tsv:1: 'area' before the first book");
    EXPECT_EQ(CompileWith("areacodes.tsv", "30\tBerlin\t0\n"),
              "areacodes.tsv:1: bad area code '30'");
    EXPECT_EQ(CompileWith("towns.tsv", "Berlin\t1011\t0\n"), "towns.tsv:1: bad postal code '1011'");
    EXPECT_EQ(CompileWith("postalcodes.tsv", "\tBerlin\t0\n"),
              "postalcodes.tsv:1: bad postal code ''");
    EXPECT_EQ(CompileWith("banks.tsv", "1002000\tBank\t10115\tBerlin\n"),
              "banks.tsv:1: sort code must be 8 digits");
    EXPECT_EQ(CompileWith("countries.tsv", "0043\tA\tna\xC3\xAFve \xE2\x98\x83\n"),
              "countries.tsv:1: malformed UTF-8 or a character without a Windows-1252 byte");
    EXPECT_EQ(CompileWith("tips.txt", "one\ntwo\x01\n"),
              "tips.txt:2: control character in the text");
    // DEL in a plain line, a control in a line with umlauts, and a C1 control that
    // UTF-8 spells with two bytes.
    EXPECT_EQ(CompileWith("tips.txt", "one\x7F\n"), "tips.txt:1: control character in the text");
    EXPECT_EQ(CompileWith("tips.txt", "M\xC3\xBCller\x1F\n"),
              "tips.txt:1: control character in the text");
    EXPECT_EQ(CompileWith("tips.txt", "one\ntwo\nx\xC2\x81\n"),
              "tips.txt:3: control character in the text");
}

TEST(SourceErrors, MissingFileAndBadOptions) {
    test::TempDir source;
    test::TempDir output;
    CompileLog log;
    EXPECT_FALSE(CompileDataSet(source.path(), output.path(), {}, &log));
    EXPECT_EQ(log.error, source.path() + "/books.tsv: No such file or directory");
    CompileLog options_log;
    EXPECT_FALSE(CompileDataSet(source.path(), output.path(), {.fan_out = 1}, &options_log));
    EXPECT_EQ(options_log.error, "fan-out must be 2 to 32767");
}

TEST(SourceErrors, OutputFailureLeavesNoArchives) {
    test::TempDir source;
    test::SourceFiles().WriteTo(source.path());
    CompileLog log;
    EXPECT_FALSE(CompileDataSet(source.path(), source.File("missing/folder"), {}, &log));
    EXPECT_FALSE(log.error.empty());
}

}  // namespace
}  // namespace vendarion::mkdata
