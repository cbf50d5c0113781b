// The Namensteile verdicts: a sweep in pieces of any size lists each surname that
// contains the text once and in order, whatever the walk decided before it.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/ascii_text.h"
#include "cursor_books.h"
#include "query/name_part_words.h"
#include "store/field_dictionary.h"
#include "store_builders.h"

namespace vendarion {
namespace {

TEST(NamePartWords, ASweepInPiecesListsEveryMatchingWordOnceAndInOrder) {
    test::CursorBooks books({{1, "Meier", "", "", "", 0}});
    ASSERT_TRUE(books.Ok());
    FieldDictionary& surnames = books.Books().Surnames();
    const int count = surnames.Count();
    ASSERT_GT(count, 10);
    for (const std::string text : {"er", "mei", "\xE4", "x", "a"}) {
        std::vector<std::uint32_t> expected;
        for (int word = 0; word < count; ++word) {
            if (LoweredContains(surnames.Word(word), text)) {
                expected.push_back(static_cast<std::uint32_t>(word) + 1);
            }
        }
        for (const int piece : {1, 7, count}) {
            NamePartWords words;
            words.Reset(text, count);
            EXPECT_EQ(words.Unswept(), count);
            // Words the walk met before the sweep came to them.
            const bool first = words.Contains(surnames, 1);
            const bool last = words.Contains(surnames, static_cast<std::uint32_t>(count));
            int sweeps = 1;
            while (!words.Sweep(surnames, piece)) ++sweeps;
            EXPECT_EQ(words.Ids(), expected) << text << " in pieces of " << piece;
            EXPECT_EQ(sweeps, (count + piece - 1) / piece);
            EXPECT_EQ(words.Contains(surnames, 1), first);
            EXPECT_EQ(words.Contains(surnames, static_cast<std::uint32_t>(count)), last);
        }
    }
}

// Random words of a few letters, so that neighbours share long prefixes, and more of
// them than a dictionary decodes whole at open.
std::vector<std::string> PrefixSharingWords(std::mt19937* random) {
    const std::string letters = "aAbBeErR-\xE4";
    std::set<std::string> words;
    while (words.size() < 6000) {
        std::string word;
        const int length = 1 + static_cast<int>((*random)() % 12);
        for (int i = 0; i < length; ++i) word += letters[(*random)() % letters.size()];
        words.insert(word);
    }
    return test::SortedByFold({words.begin(), words.end()});
}

// The sweep looks only at what each word adds to the prefix it shares with the word
// before; it must still find every word a full search finds, also where the walk
// decided some words first and broke the chain.
TEST(NamePartWords, ASweepOverWordsSharingPrefixesFindsWhatAFullSearchFinds) {
    std::mt19937 random(20261209);
    const std::vector<std::string> list = PrefixSharingWords(&random);
    const test::DictionaryMembers members = test::BuildDictionary(list);
    FieldDictionary surnames;
    ASSERT_TRUE(surnames.Open(ByteView(members.dz), ByteView(members.idx), ByteView(members.tri)));
    const int count = surnames.Count();
    ASSERT_EQ(count, static_cast<int>(list.size()));
    for (const std::string text : {"er", "e", "ab", "rr", "bee", "\xE4", "-a", "aaaa", "eb-r"}) {
        std::vector<std::uint32_t> expected;
        for (int word = 0; word < count; ++word) {
            if (LoweredContains(list[static_cast<std::size_t>(word)], text)) {
                expected.push_back(static_cast<std::uint32_t>(word) + 1);
            }
        }
        for (const int piece : {1, 7, count}) {
            for (const int decided_first : {0, 37}) {
                NamePartWords words;
                words.Reset(text, count);
                for (int id = 5; decided_first > 0 && id <= count; id += decided_first) {
                    words.Contains(surnames, static_cast<std::uint32_t>(id));
                }
                while (!words.Sweep(surnames, piece)) {
                }
                EXPECT_EQ(words.Ids(), expected) << text << " in pieces of " << piece << ", every "
                                                 << decided_first << "th word decided first";
            }
        }
    }
}

TEST(NamePartWords, IdsOutsideTheDictionaryContainNothing) {
    test::CursorBooks books({{1, "Meier", "", "", "", 0}});
    ASSERT_TRUE(books.Ok());
    FieldDictionary& surnames = books.Books().Surnames();
    NamePartWords words;
    words.Reset("", surnames.Count());  // the empty text is in every word
    EXPECT_TRUE(words.Contains(surnames, 1));
    EXPECT_FALSE(words.Contains(surnames, 0));
    EXPECT_FALSE(words.Contains(surnames, static_cast<std::uint32_t>(surnames.Count()) + 1));
    EXPECT_FALSE(words.Contains(surnames, 0xFFFFFFFF));
    EXPECT_FALSE(words.Sweep(surnames, 0));
    EXPECT_TRUE(words.Sweep(surnames, surnames.Count() + 5));
    EXPECT_EQ(words.Ids().size(), static_cast<std::size_t>(surnames.Count()));
    EXPECT_FALSE(words.Fits("", surnames.Count() + 1));
    EXPECT_TRUE(words.Fits("", surnames.Count()));
}

}  // namespace
}  // namespace vendarion
