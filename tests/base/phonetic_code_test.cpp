#include "base/phonetic_code.h"

#include <gtest/gtest.h>

#include <string>

namespace vendarion {
namespace {

TEST(PhoneticCode, WorkedExamples) {
    EXPECT_EQ(PhoneticCode("Meier"), "MR");
    EXPECT_EQ(PhoneticCode("Schmidt"), "SMT");
    EXPECT_EQ(PhoneticCode("Xaver"), "KSWR");
    EXPECT_EQ(PhoneticCode("Otto"), "OT");
}

TEST(PhoneticCode, VowelsCountOnlyAtTheStart) {
    EXPECT_EQ(PhoneticCode("Ebert"), "EPRT");
    EXPECT_EQ(PhoneticCode("Anna"), "AN");
    EXPECT_EQ(PhoneticCode("Ida"), "IT");
    EXPECT_EQ(PhoneticCode("Uhl"), "UL");
    // Ä, Ö and Ü at the start code as E, O and U, in either case.
    EXPECT_EQ(PhoneticCode("\xC4pfel"), "EFL");
    EXPECT_EQ(PhoneticCode("\xE4pfel"), "EFL");
    EXPECT_EQ(PhoneticCode("\xD6hm"), "OM");
    EXPECT_EQ(PhoneticCode("\xFC"
                           "bel"),
              "UPL");
    EXPECT_EQ(PhoneticCode("\xC9mile"), "EML");
}

TEST(PhoneticCode, LetterGroups) {
    EXPECT_EQ(PhoneticCode("Strau\xDF"), "STRS");
    EXPECT_EQ(PhoneticCode("Bach"), "PS");
    EXPECT_EQ(PhoneticCode("Beck"), "PK");
    EXPECT_EQ(PhoneticCode("Philipp"), "FLP");
    EXPECT_EQ(PhoneticCode("Pfeiffer"), "FR");
    EXPECT_EQ(PhoneticCode("Seitz"), "S");
    EXPECT_EQ(PhoneticCode("Matsch"), "MS");
    EXPECT_EQ(PhoneticCode("Nation"), "NSN");
    EXPECT_EQ(PhoneticCode("Kantia"), "KNS");
    EXPECT_EQ(PhoneticCode("Tim"), "TM");
    EXPECT_EQ(PhoneticCode("Quast"), "KST");
    EXPECT_EQ(PhoneticCode("Cora"), "KR");
}

TEST(PhoneticCode, WIsSilentAfterAConsonant) {
    EXPECT_EQ(PhoneticCode("Schwarz"), "SRS");
    EXPECT_EQ(PhoneticCode("L\xF6we"), "LW");
    EXPECT_EQ(PhoneticCode("Weber"), "WPR");
    EXPECT_EQ(PhoneticCode("Vogel"), "FKL");
    EXPECT_EQ(PhoneticCode("Ivo"), "IW");
}

TEST(PhoneticCode, YCountsOnlyAtTheStart) {
    EXPECT_EQ(PhoneticCode("Yilmaz"), "JLMS");
    EXPECT_EQ(PhoneticCode("Meyer"), "MR");
}

TEST(PhoneticCode, OtherCharactersVanish) {
    EXPECT_EQ(PhoneticCode("M\xFCller-L\xFC"
                           "denscheid"),
              "MLRLTNST");
    EXPECT_EQ(PhoneticCode("Hans 2"), "NS");
    EXPECT_EQ(PhoneticCode("O'Brien"), "OPRN");
    EXPECT_EQ(PhoneticCode(""), "");
    EXPECT_EQ(PhoneticCode("h-h"), "");
}

TEST(PhoneticCode, KeptCharactersAreCopiedUpperCased) {
    EXPECT_EQ(PhoneticCode("Meier", 2), "MER");
    // The first coded letter collapses against the last kept one.
    EXPECT_EQ(PhoneticCode("Mm", 1), "M");
    EXPECT_EQ(PhoneticCode("ab", 5), "AB");
}

TEST(PhoneticCode, LongTextsAreCodedWholeAndCutToTheBuffer) {
    std::string name;
    for (int i = 0; i < 500; ++i) name += "bx";
    EXPECT_EQ(PhoneticCode(name).size(), 1500u);
    char buffer[8];
    EXPECT_EQ(PhoneticCode(name, 0, buffer, sizeof buffer), 7u);
    EXPECT_STREQ(buffer, "PKSPKSP");
    EXPECT_EQ(PhoneticCode(std::string(1000, 'a')), "A");
}

}  // namespace
}  // namespace vendarion
