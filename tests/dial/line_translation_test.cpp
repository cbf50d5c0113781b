#include "dial/line_translation.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

const LineLocation kGermany{49, "089"};
const LineLocation kNewYork{1, "212"};

TEST(NorthAmericanForm, OnlyInCountryOne) {
    EXPECT_EQ(NorthAmericanForm("12125551234", kGermany), "");
    EXPECT_EQ(NorthAmericanForm("089123456", kGermany), "");
    EXPECT_EQ(NorthAmericanForm("+1 (212) 5551234", kNewYork), "");
}

TEST(NorthAmericanForm, TenAndElevenDigits) {
    EXPECT_EQ(NorthAmericanForm("12125551234", kNewYork), "+1 (212) 5551234");
    EXPECT_EQ(NorthAmericanForm("2125551234", kNewYork), "+1 (212) 5551234");
    EXPECT_EQ(NorthAmericanForm("(212) 555-1234", kNewYork), "+1 (212) 5551234");
    EXPECT_EQ(NorthAmericanForm("0125551234", kNewYork), "");
    EXPECT_EQ(NorthAmericanForm("2120551234", kNewYork), "");
    EXPECT_EQ(NorthAmericanForm("22125551234", kNewYork), "");
    // A part after the bar is not carried over for ten digits.
    EXPECT_EQ(NorthAmericanForm("2125551234|Smith", kNewYork), "+1 (212) 5551234");
}

TEST(NorthAmericanForm, SevenAndEightDigitsTakeTheCityCode) {
    EXPECT_EQ(NorthAmericanForm("5551234|Smith", kNewYork), "+1 (212) 5551234|Smith");
    EXPECT_EQ(NorthAmericanForm("15551234", kNewYork), "+1 (212) 5551234");
    EXPECT_EQ(NorthAmericanForm("25551234", kNewYork), "");
    EXPECT_EQ(NorthAmericanForm("0551234", kNewYork), "");
    EXPECT_EQ(NorthAmericanForm("5551234", LineLocation{1, ""}), "");
    EXPECT_EQ(NorthAmericanForm("555*1234", kNewYork), "");
}

TEST(TranslateAddress, PlainAddressesAreDialledAsTheyStand) {
    TranslatedAddress out;
    ASSERT_TRUE(TranslateAddress("0 089 123-456|Meier", kGermany, &out));
    EXPECT_EQ(out.dialable, "0089123456");
    EXPECT_EQ(out.displayable, "0 089 123-456|Meier");
    EXPECT_FALSE(out.canonical);
    EXPECT_EQ(out.current_country, 49);
}

TEST(TranslateAddress, CanonicalAddressesFollowTheLocation) {
    TranslatedAddress out;
    ASSERT_TRUE(TranslateAddress("+1 (212) 5551234|Smith", kNewYork, &out));
    EXPECT_TRUE(out.canonical);
    EXPECT_EQ(out.dialable, "5551234");
    ASSERT_TRUE(TranslateAddress("+1 (415) 5551234", kNewYork, &out));
    EXPECT_EQ(out.dialable, "14155551234");
    ASSERT_TRUE(TranslateAddress("+49 (89) 123456", kNewYork, &out));
    EXPECT_EQ(out.dialable, "0114989123456");
    ASSERT_TRUE(TranslateAddress("+49 (30) 123456", kGermany, &out));
    EXPECT_EQ(out.dialable, "030123456");
    EXPECT_FALSE(TranslateAddress("+ (30) 123456", kGermany, &out));
}

TEST(TranslateAddress, RefusesEmptyAndOverlongAddresses) {
    TranslatedAddress out;
    EXPECT_FALSE(TranslateAddress("", kGermany, &out));
    EXPECT_TRUE(TranslateAddress(std::string(kMaxLineAddress, '1'), kGermany, &out));
    EXPECT_FALSE(TranslateAddress(std::string(kMaxLineAddress + 1, '1'), kGermany, &out));
}

}  // namespace
}  // namespace vendarion
