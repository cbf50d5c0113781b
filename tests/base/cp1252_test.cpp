#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace vendarion {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    EXPECT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), &back));
    EXPECT_EQ(back, all);
}

TEST(Cp1252, ConvertsGermanTextAndTheHighControls) {
    EXPECT_EQ(Cp1252ToUtf8("M\xFCller \x80 \x84"
                           "a\x93"),
              "Müller € „a“");
    EXPECT_EQ(Utf8ToCp1252("Straße – €"),
              "Stra\xDF"
              "e \x96 \x80");
}

TEST(Cp1252, ReplacesWhatHasNoByteAndMalformedUtf8) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1252("Łódź", &out));
    EXPECT_EQ(out,
              "?\xF3"
              "d?");
    EXPECT_FALSE(Utf8ToCp1252("a\xC3", &out));
    EXPECT_EQ(out, "a?");
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF", &out));  // overlong '/'
    EXPECT_EQ(out, "?");
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80", &out));  // surrogate
    EXPECT_EQ(out, "?");
    EXPECT_FALSE(Utf8ToCp1252("😀", &out));
    EXPECT_EQ(out, "?");
}

}  // namespace
}  // namespace vendarion
