// The compiler's tries must give the lookup a start at or before the lower bound of
// every text, close enough for the 16-block scan to reach it.
#include "trie_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/fold_text.h"
#include "dictionary_writer.h"
#include "trie_lookup.h"

namespace vendarion::mkdata {
namespace {

struct Dictionary {
    std::vector<std::string> words;   // raw, in word-number order
    std::vector<std::string> folded;  // their folded forms
    std::string tri;
};

Dictionary Build(const std::set<std::string>& distinct) {
    const std::vector<std::string_view> views(distinct.begin(), distinct.end());
    const SortedWords sorted = SortWords(views);
    Dictionary dictionary;
    for (const std::string_view word : sorted.words) dictionary.words.emplace_back(word);
    dictionary.folded = sorted.folded;
    dictionary.tri = BuildTrie(sorted.folded);
    return dictionary;
}

// Texts to look up: every word, its prefixes, and its prefixes followed by probes.
std::vector<std::string> Probes(const Dictionary& dictionary, std::size_t stride = 1) {
    const std::string extra[] = {" ", "a", "b", "m", "z", "~", "\xC6", "\xFF", "\xE4", "-"};
    std::vector<std::string> texts;
    for (std::size_t n = 0; n < dictionary.words.size(); n += stride) {
        const std::string& word = dictionary.words[n];
        for (std::size_t length = 1; length <= word.size(); ++length) {
            texts.push_back(word.substr(0, length));
            for (const std::string& e : extra) texts.push_back(word.substr(0, length) + e);
        }
    }
    for (const std::string& e : extra) texts.push_back(e);
    return texts;
}

// Checks every probe; texts whose folded form starts with a byte of 0x80 or above
// cannot be looked up by the trie and are skipped.
void ExpectLowerBounds(const Dictionary& dictionary, const std::vector<std::string>& texts) {
    int checked = 0;
    for (const std::string& text : texts) {
        const std::string folded = FoldText(text);
        bool out_of_range = false;
        const int found =
            test::LookupLowerBound(dictionary.folded, dictionary.tri, text, &out_of_range);
        ASSERT_FALSE(out_of_range) << "text '" << text << "'";
        // Blank-only texts find nothing by definition.
        if (folded.empty() || static_cast<unsigned char>(folded[0]) >= 0x80) continue;
        ASSERT_EQ(found, test::BruteLowerBound(dictionary.folded, text)) << "text '" << text << "'";
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

std::set<std::string> RandomWords(std::size_t count, unsigned seed, std::size_t max_length) {
    const std::vector<std::string> letters = {"a",    "b",    "c",  "m",    "ä", " ", "-",
                                              "\xC6", "\xF8", "ss", "\xDF", "e", "z", "'"};
    std::mt19937 random(seed);
    std::set<std::string> words;
    while (words.size() < count) {
        std::string word;
        const std::size_t length = 1 + random() % max_length;
        for (std::size_t i = 0; i < length; ++i) word += letters[random() % letters.size()];
        words.insert(word);
    }
    return words;
}

TEST(TrieBuilder, SmallDictionariesWithTheWordZeroQuirks) {
    const std::vector<std::set<std::string>> sets = {
        {"a"},
        {"a", "b"},
        {"aa", "ab"},
        {"a", "a\xC6", "b"},
        {"a\xC6", "b"},
        {"-", "a", "ab", "abc"},
        {"Meier", "Mayer", "Maier", "M\xFCller", "Mueller", "Muller"},
        {"\xC6rger", "Berg", "\xD8stberg"},
        {"ab", "abc", "ab\xC6x", "ac"},
    };
    for (const std::set<std::string>& words : sets) {
        const Dictionary dictionary = Build(words);
        ExpectLowerBounds(dictionary, Probes(dictionary));
    }
}

TEST(TrieBuilder, RandomDictionariesOfManySizes) {
    for (const std::size_t count : {3u, 70u, 300u, 3000u}) {
        const Dictionary dictionary = Build(RandomWords(count, static_cast<unsigned>(count), 7));
        ExpectLowerBounds(dictionary, Probes(dictionary, count / 300 + 1));
    }
}

TEST(TrieBuilder, LongRunsSharingAPrefixStayWithinTheScan) {
    std::set<std::string> words;
    for (int i = 0; i < 3000; ++i) words.insert("M\xFCller" + std::to_string(i));
    for (int i = 0; i < 3000; ++i) words.insert("Mue" + std::to_string(i) + "x");
    for (const std::string& word : RandomWords(500, 7, 12)) words.insert(word);
    const Dictionary dictionary = Build(words);
    ExpectLowerBounds(dictionary, Probes(dictionary, 13));
}

TEST(TrieBuilder, EmptyDictionaryFindsNothing) {
    const Dictionary dictionary = Build({});
    ASSERT_EQ(dictionary.tri.size(), kTrieNodeSize);
    bool out_of_range = false;
    EXPECT_EQ(test::TrieLookup(dictionary.tri, "abc", &out_of_range), -1);
    EXPECT_FALSE(out_of_range);
}

TEST(TrieBuilder, ValuesNeverPassTheLastWord) {
    const Dictionary dictionary = Build(RandomWords(200, 11, 5));
    for (std::size_t node = 0; node < dictionary.tri.size() / kTrieNodeSize; ++node) {
        const auto* bytes =
            reinterpret_cast<const unsigned char*>(dictionary.tri.data()) + node * kTrieNodeSize;
        const int value = bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | (bytes[7] << 24);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 200);
    }
}

}  // namespace
}  // namespace vendarion::mkdata
