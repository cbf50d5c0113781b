#include "base/fold_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vendarion {
namespace {

std::string Complete(std::string_view typed, std::string_view stored, bool* matched = nullptr) {
    std::string out = "untouched";
    const bool ok = CompleteFromPrefix(typed, stored, &out);
    if (matched != nullptr) *matched = ok;
    return out;
}

TEST(FoldText, SpellsOutUmlautsAndDropsPunctuationAndOuterBlanks) {
    EXPECT_EQ(FoldText("  Gro\xDF-Gerau  "), "gross gerau");
    EXPECT_EQ(FoldText("O'Neill"), "oneill");
    EXPECT_EQ(FoldText("Ch\xE2teau"), "chateau");
    EXPECT_EQ(FoldText("M\xFCller"), "mueller");
    EXPECT_EQ(FoldText("\xC4rzte"), "aerzte");
    EXPECT_EQ(FoldText("\xD6l \xDC"
                       "ber"),
              "oel ueber");
    EXPECT_EQ(FoldText("\"Zur Post\" <Inh.>"), "zur post inh");
    EXPECT_EQ(FoldText("a  b"), "a  b");
    EXPECT_EQ(FoldText("Dr.Nr.1 (A&B)"), "dr nr 1  a b");
    EXPECT_EQ(FoldText("x@y"), "xay");
    EXPECT_EQ(FoldText("\xA5"), "'");
    EXPECT_EQ(FoldText(""), "");
    EXPECT_EQ(FoldText("   "), "");
    EXPECT_EQ(FoldText("-.-"), "");
}

TEST(FoldText, ReducesOnlyTheListedAccentedLetters) {
    EXPECT_EQ(FoldText("\xE6"), "ae");
    // Æ, Ø and ø stay as they are.
    EXPECT_EQ(FoldText("\xC6\xD8\xF8"), "\xC6\xD8\xF8");
    // Upper-case Â Ã Å Ê Ë Î Ï Û stay; their lower-case forms lose the accent.
    EXPECT_EQ(FoldText("\xC2\xC3\xC5\xCA\xCB\xCE\xCF\xDB"), "\xC2\xC3\xC5\xCA\xCB\xCE\xCF\xDB");
    EXPECT_EQ(FoldText("\xE2\xE3\xE5\xEA\xEB\xEE\xEF\xFB"), "aaaeeiiu");
    EXPECT_EQ(FoldText("\xC0\xC1\xC7\xC8\xC9\xCC\xCD\xD1\xD2\xD9\xDA\xDD\xFD\xFF"),
              "aaceeiinouuyyy");
}

TEST(FoldText, StopsAtCapacityWithoutSplittingATwoLetterFold) {
    char buffer[8];
    EXPECT_EQ(FoldText("M\xFCller", buffer, 4), 3u);
    EXPECT_STREQ(buffer, "mue");
    EXPECT_EQ(FoldText("M\xFCller", buffer, 3), 1u);
    EXPECT_STREQ(buffer, "m");
    EXPECT_EQ(FoldText("abc", buffer, 1), 0u);
    EXPECT_STREQ(buffer, "");
    // The limit applies before the outer blanks are removed.
    EXPECT_EQ(FoldText("   abc", buffer, 5), 1u);
    EXPECT_STREQ(buffer, "a");
}

TEST(FoldText, EndsAtAZeroByte) { EXPECT_EQ(FoldText(std::string_view("ab\0cd", 5)), "ab"); }

TEST(CompareFolded, ComparesUnsignedBytesOverALimit) {
    EXPECT_EQ(CompareFolded("meier", "meiers", 5), 0);
    EXPECT_EQ(CompareFolded("meier", "meiers", -1), -1);
    EXPECT_EQ(CompareFolded("meiers", "meier", -1), 1);
    EXPECT_EQ(CompareFolded("abc", "abc", -1), 0);
    EXPECT_EQ(CompareFolded("abc", "abd", 2), 0);
    EXPECT_EQ(CompareFolded("a\xE9", "az", -1), 1);
    EXPECT_EQ(CompareFolded("", "", 0), 0);
    EXPECT_EQ(CompareFolded("", "a", -1), -1);
}

TEST(FoldedPrefixLength, CountsTypedCharactersCoveredByTheStoredText) {
    EXPECT_EQ(FoldedPrefixLength("M\xFC", "Mueller"), 2u);
    EXPECT_EQ(FoldedPrefixLength("Mue", "M\xFCller"), 3u);
    EXPECT_EQ(FoldedPrefixLength("Ber", "Berlin"), 3u);
    EXPECT_EQ(FoldedPrefixLength("Berlin", "Berlin"), 6u);
    EXPECT_EQ(FoldedPrefixLength("Bex", "Berlin"), 2u);
    EXPECT_EQ(FoldedPrefixLength("Berlinx", "Berlin"), 6u);
    EXPECT_EQ(FoldedPrefixLength("Gro\xDF-G", "Gross Gerau"), 6u);
    EXPECT_EQ(FoldedPrefixLength("O'Ne", "ONeill"), 4u);
    // A two-letter fold needs both letters.
    EXPECT_EQ(FoldedPrefixLength("M\xFC", "Mu"), 1u);
}

TEST(FoldedPrefixLength, TrailingBlankNeverReachesTheTypedLength) {
    const std::string typed = "Berlin ";
    EXPECT_EQ(FoldedPrefixLength(typed, "Berlin"), typed.size() - 1);
    EXPECT_EQ(FoldedPrefixLength("   ", "Berlin"), 0u);
    // Leading blanks are skipped and not counted.
    EXPECT_EQ(FoldedPrefixLength("  Be", "Berlin"), 2u);
    // A leading character that folds to a blank finds no blank in the stored text.
    EXPECT_EQ(FoldedPrefixLength("-Be", "Berlin"), 0u);
}

TEST(FoldedPrefixLength, StopsCountingAt256) {
    const std::string long_text(600, 'a');
    EXPECT_EQ(FoldedPrefixLength(long_text, long_text), 256u);
}

TEST(CompleteFromPrefix, ReturnsTheRestInStoredSpelling) {
    EXPECT_EQ(Complete("ber", "Berlin"), "lin");
    EXPECT_EQ(Complete("mu", "M\xFCller"), "eller");
    EXPECT_EQ(Complete("mue", "M\xFCller"), "ller");
    EXPECT_EQ(Complete("bad s", "Bad Salzuflen"), "alzuflen");
    EXPECT_EQ(Complete("\xE4", "\xC4rzte"), "rzte");
    EXPECT_EQ(Complete("ae", "\xC4rzte"), "rzte");
    EXPECT_EQ(Complete("Berlin", "Berlin"), "");
    EXPECT_EQ(Complete("gross-g", "Gro\xDF-Gerau"), "erau");
}

TEST(CompleteFromPrefix, FailsWithEmptyOutWhenNotAPrefix) {
    bool matched = true;
    EXPECT_EQ(Complete("bex", "Berlin", &matched), "");
    EXPECT_FALSE(matched);
    EXPECT_EQ(Complete("berlins", "Berlin", &matched), "");
    EXPECT_FALSE(matched);
    EXPECT_EQ(Complete("m\xFC", "Mu", &matched), "");
    EXPECT_FALSE(matched);
}

TEST(CompleteFromPrefix, BlankTypedTextIsAPrefixOfEverything) {
    bool matched = false;
    EXPECT_EQ(Complete("  ", "  Bad Ems", &matched), "Bad Ems");
    EXPECT_TRUE(matched);
    EXPECT_EQ(Complete("", "K\xF6ln", &matched), "K\xF6ln");
    EXPECT_TRUE(matched);
}

TEST(CompleteFromPrefix, LongTextsAreCutAt299Pairs) {
    const std::string stored(400, 'x');
    bool matched = false;
    EXPECT_EQ(Complete(std::string(350, 'x'), stored, &matched), "");
    EXPECT_TRUE(matched);
    EXPECT_EQ(Complete("xx", stored, &matched).size(), 297u);
}

}  // namespace
}  // namespace vendarion
