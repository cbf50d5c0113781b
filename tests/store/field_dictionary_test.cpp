#include "store/field_dictionary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/fold_text.h"
#include "store/archive_writer.h"
#include "store_builders.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

// Surnames enough for several 64-word blocks, with umlauts and spelled-out forms.
std::vector<std::string> ManyWords() {
    std::vector<std::string> words = {"M\xFCller", "Mueller", "Meier",    "Mayer",  "Schmidt",
                                      "Schulz",    "Weber",   "\xC4rzte", "Aerzte", "Zander"};
    for (const char* stem : {"Gab", "Bau", "Berg", "Dorn", "Feld", "Hahn", "Kern", "Mohr", "Rot"}) {
        for (int i = 0; i < 20; ++i) {
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, "%02d", i);
            words.push_back(std::string(stem) + "er" + suffix);
        }
    }
    return test::SortedByFold(words);
}

// The first word at or after text under folding, by brute force.
int BruteLowerBound(const std::vector<std::string>& words, std::string_view text) {
    const std::string key = FoldText(text);
    for (std::size_t n = 0; n < words.size(); ++n) {
        if (CompareFolded(FoldText(words[n]), key, static_cast<int>(key.size())) >= 0) {
            return static_cast<int>(n);
        }
    }
    return -1;
}

class FieldDictionaryTest : public ::testing::Test {
protected:
    bool Open(const test::DictionaryMembers& members, bool with_trie = true) {
        ArchiveWriter index;
        EXPECT_TRUE(index.Create(dir_.File("Index.mf")));
        EXPECT_TRUE(index.AddMember("Namen.idx", members.idx));
        if (with_trie) {
            EXPECT_TRUE(index.AddMember("Namen.tri", members.tri));
        }
        EXPECT_TRUE(index.Finish());
        ArchiveWriter code;
        EXPECT_TRUE(code.Create(dir_.File("Code.mf")));
        EXPECT_TRUE(code.AddMember("Namen.dz", members.dz));
        EXPECT_TRUE(code.Finish());
        index_.Close();
        code_.Close();
        EXPECT_TRUE(index_.Open(dir_.File("Index.mf")));
        EXPECT_TRUE(code_.Open(dir_.File("Code.mf")));
        return dictionary_.Open("namen", index_, code_);
    }

    test::TempDir dir_;
    ArchiveFile index_;
    ArchiveFile code_;
    FieldDictionary dictionary_;
};

TEST_F(FieldDictionaryTest, ReadsEveryWordByNumber) {
    const std::vector<std::string> words = ManyWords();
    ASSERT_TRUE(Open(test::BuildDictionary(words)));
    ASSERT_EQ(dictionary_.Count(), static_cast<int>(words.size()));
    // Backwards, so every block is decoded again from its start.
    for (int n = dictionary_.Count() - 1; n >= 0; --n) EXPECT_EQ(dictionary_.Word(n), words[n]);
    EXPECT_EQ(dictionary_.Word(-1), "");
    EXPECT_EQ(dictionary_.Word(dictionary_.Count()), "");
    std::vector<std::string> out;
    EXPECT_EQ(dictionary_.Words(60, 70, &out), 11);
    EXPECT_EQ(out.front(), words[60]);
    EXPECT_EQ(out.back(), words[70]);
    EXPECT_EQ(dictionary_.Words(5, 4, &out), 0);
    EXPECT_EQ(dictionary_.Words(0, dictionary_.Count(), &out), 0);
}

TEST_F(FieldDictionaryTest, LowerBoundAgreesWithAFoldedScan) {
    const std::vector<std::string> words = ManyWords();
    ASSERT_TRUE(Open(test::BuildDictionary(words)));
    for (const char* text :
         {"M\xFC",    "mue",    "Muel", "meier",   "Ma",       "BERG",    "berger07", "Bergz",  "c",
          "Dornfeld", "s",      "schu", "Rot",     "Roter19",  "rz",      "aer",      "\xC4rz", "w",
          "Webers",   "zander", "zz",   "aerztez", "Gaber00x", "Zanderz", "Baue"}) {
        EXPECT_EQ(dictionary_.LowerBound(text), BruteLowerBound(words, text)) << text;
    }
    EXPECT_EQ(dictionary_.LowerBound("   "), -1);
    EXPECT_EQ(dictionary_.LowerBound("meier   "), dictionary_.LowerBound("meier"));
}

TEST_F(FieldDictionaryTest, RangesUseTheFoldedForms) {
    const std::vector<std::string> words = ManyWords();
    ASSERT_TRUE(Open(test::BuildDictionary(words)));
    int lo = 0;
    int hi = 0;
    ASSERT_TRUE(dictionary_.EqualRange("MUELLER", &lo, &hi));
    EXPECT_EQ(hi - lo, 1) << "M\xFCller and Mueller fold alike";
    EXPECT_EQ(FoldText(dictionary_.Word(lo)), "mueller");
    ASSERT_TRUE(dictionary_.EqualRange("\xE4rzte", &lo, &hi));
    EXPECT_EQ(lo, 0) << "word 0 is found like any other";
    EXPECT_EQ(hi, 1);
    EXPECT_FALSE(dictionary_.EqualRange("Mei", &lo, &hi));
    EXPECT_EQ(lo, -1);
    EXPECT_EQ(hi, -1);
    ASSERT_TRUE(dictionary_.PrefixRange("kern", &lo, &hi));
    EXPECT_EQ(hi - lo, 19);
    EXPECT_EQ(dictionary_.Word(lo), "Kerner00");
    ASSERT_TRUE(dictionary_.PrefixRange("aer", &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_FALSE(dictionary_.PrefixRange("  ", &lo, &hi));
    EXPECT_FALSE(dictionary_.PrefixRange("Kx", &lo, &hi));
}

TEST_F(FieldDictionaryTest, PrefixRangeExtendsBeyondSixteenBlocks) {
    std::vector<std::string> words = {"Abel", "Zorn"};
    for (int i = 0; i < 1500; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "Meier%04d", i);
        words.push_back(word);
    }
    words = test::SortedByFold(words);
    ASSERT_TRUE(Open(test::BuildDictionary(words)));
    int lo = 0;
    int hi = 0;
    ASSERT_TRUE(dictionary_.PrefixRange("meier", &lo, &hi));
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 1500);
}

TEST_F(FieldDictionaryTest, LowerBoundSearchesSixteenBlocksFromTheTrieStart) {
    std::vector<std::string> words;
    for (int i = 0; i < 1200; ++i) {
        char word[16];
        std::snprintf(word, sizeof word, "w%04d", i);
        words.push_back(word);
    }
    test::DictionaryMembers members = test::BuildDictionary(words);
    // A trie whose only path "w" gives 5, the start of every search here.
    members.tri = test::Le32(0) + test::Le32(0) + test::Le32(1) + std::string(1, '\0') +
                  test::Le32(0) + test::Le32(5) + test::Le32(0) + "w" + test::Le32(0) +
                  test::Le32(-1) + test::Le32(0) + std::string(1, '\0');
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.LowerBound("w1023"), 1023);
    EXPECT_EQ(dictionary_.LowerBound("w1024"), -1) << "word 1024 lies in the seventeenth block";
}

// The lookup as the tries of the data expect it: a text that goes on past a node
// without children whose value is 0 finds nothing, or, two characters on, starts
// again at the root.
TEST_F(FieldDictionaryTest, AWalkPastAChildlessNodeOfValueZeroRestartsAtTheRoot) {
    test::DictionaryMembers members = test::BuildDictionary({"Abc", "Bcd"});
    const auto node = [](int value, int first_child, char c) {
        return test::Le32(0) + test::Le32(value) + test::Le32(first_child) + std::string(1, c);
    };
    // Root -> (a, b); a -> b -> c, the last without children and of value 0.
    members.tri = node(0, 1, 0) + node(0, 4, 'a') + node(1, 0, 'b') + node(-1, 0, 0) +
                  node(0, 6, 'b') + node(-1, 0, 0) + node(0, 0, 'c') + node(1, 0, 0);
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.LowerBound("abc"), 0);
    EXPECT_EQ(dictionary_.LowerBound("b"), 1);
    EXPECT_EQ(dictionary_.LowerBound("abcz"), -1);
    EXPECT_EQ(dictionary_.LowerBound("abczb"), 1) << "the walk read \"b\" from the root";
}

TEST_F(FieldDictionaryTest, WithoutTrieWordsReadButLookupsFail) {
    const std::vector<std::string> words = ManyWords();
    ASSERT_TRUE(Open(test::BuildDictionary(words), false));
    EXPECT_FALSE(dictionary_.HasTrie());
    EXPECT_EQ(dictionary_.Word(3), words[3]);
    EXPECT_EQ(dictionary_.LowerBound("Meier"), -1);
    int lo = 0;
    int hi = 0;
    EXPECT_FALSE(dictionary_.EqualRange("Meier", &lo, &hi));
}

TEST_F(FieldDictionaryTest, DamagedWordsFailWithoutReadingOutside) {
    const std::vector<std::string> words = ManyWords();
    test::DictionaryMembers members = test::BuildDictionary(words);
    // A prefix longer than the previous word, in the second word of block 0.
    const std::size_t second = 2 + static_cast<unsigned char>(members.dz[1]);
    members.dz[second] = static_cast<char>(200);
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.Word(0), words[0]);
    EXPECT_EQ(dictionary_.Word(1), "");
    EXPECT_EQ(dictionary_.Word(64), words[64]) << "other blocks still read";
    EXPECT_EQ(dictionary_.LowerBound(words[5]), -1) << "the search meets word 1";
    // The last word's suffix running past the end of the member.
    members = test::BuildDictionary(words);
    std::size_t header =
        LoadU32(reinterpret_cast<const std::uint8_t*>(members.idx.data()) + members.idx.size() - 4);
    for (int n = (dictionary_.Count() - 1) / 64 * 64; n < dictionary_.Count() - 1; ++n) {
        header += 2 + static_cast<unsigned char>(members.dz[header + 1]);
    }
    members.dz[header + 1] = static_cast<char>(250);
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.Word(dictionary_.Count() - 1), "");
    // A block offset beyond the member: the dictionary opens (offsets are checked
    // where a block is read), the block's words read as empty, the others as before.
    members = test::BuildDictionary(words);
    members.idx.replace(8, 4, test::Le32(static_cast<std::int64_t>(members.dz.size()) + 1));
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.Word(64), "");
    EXPECT_EQ(dictionary_.Word(127), "");
    EXPECT_EQ(dictionary_.Word(63), words[63]);
    EXPECT_EQ(dictionary_.Word(128), words[128]);
    members = test::BuildDictionary(words);
    EXPECT_FALSE(Open({members.dz, members.idx.substr(0, members.idx.size() - 1), members.tri}));
}

TEST_F(FieldDictionaryTest, TrieChildIndexesOutsideTheTrieFailTheLookup) {
    const std::vector<std::string> words = ManyWords();
    test::DictionaryMembers members = test::BuildDictionary(words);
    members.tri.replace(8, 4, test::Le32(1000000));  // root's first child
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.LowerBound("Meier"), -1);
    members.tri.replace(8, 4, test::Le32(static_cast<std::int64_t>(members.tri.size() / 13) - 1));
    ASSERT_TRUE(Open(members));
    EXPECT_EQ(dictionary_.LowerBound("zzzzzz"), -1);
}

}  // namespace
}  // namespace vendarion
