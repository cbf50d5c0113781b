// The tips member read line by line: its count, every form of line end, the zero
// byte that ends it, and the longest tip shown.
#include "ui/tip_list.h"

#include <gtest/gtest.h>

#include <string>

namespace vendarion {
namespace {

TEST(TipList, EveryLineEndReadsAlike) {
    for (const std::string text : {"3\r\nEins\r\nZwei\r\nDrei\r\n", "3\rEins\rZwei\rDrei",
                                   "3\nEins\nZwei\nDrei\n", "3\r\nEins\rZwei\nDrei"}) {
        const TipList tips(text);
        EXPECT_EQ(tips.Count(), 3);
        EXPECT_EQ(tips.Tip(0), "Eins");
        EXPECT_EQ(tips.Tip(2), "Drei");
        EXPECT_EQ(tips.Tip(3), std::nullopt);
    }
    // One break between lines: an empty line is an empty tip.
    const TipList gaps("2\r\n\r\nZwei");
    EXPECT_EQ(gaps.Tip(0), "");
    EXPECT_EQ(gaps.Tip(1), "Zwei");
}

TEST(TipList, TheCountIsReadAsADecimalNumber) {
    EXPECT_EQ(TipList("  12 Tips\nA").Count(), 12);
    EXPECT_EQ(TipList("+2\nA").Count(), 2);
    EXPECT_EQ(TipList("-1\nA").Count(), -1);
    EXPECT_EQ(TipList("Tipp 1\r\n").Count(), 0);
    EXPECT_EQ(TipList("").Count(), 0);
    EXPECT_FALSE(TipList("5\r\n").HasTipLines());
    EXPECT_TRUE(TipList("5\r\nA").HasTipLines());
}

TEST(TipList, AZeroByteEndsTheTextAndLongTipsAreCut) {
    const TipList zero(std::string("2\nEins\0Zwei", 11));
    EXPECT_EQ(zero.Tip(0), "Eins");
    EXPECT_EQ(zero.Tip(1), std::nullopt);
    const TipList tips("1\n" + std::string(3000, 'x'));
    EXPECT_EQ(tips.Tip(0)->size(), TipList::kMaxTipLength);
}

}  // namespace
}  // namespace vendarion
