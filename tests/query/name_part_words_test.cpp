// The Namensteile verdicts: a sweep in pieces of any size lists each surname that
// contains the text once and in order, whatever the walk decided before it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ascii_text.h"
#include "cursor_books.h"
#include "query/name_part_words.h"
#include "store/field_dictionary.h"

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
