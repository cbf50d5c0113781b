#include "search/count_text.h"

#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "resources/string_table.h"

namespace vendarion {
namespace {

std::string Utf8(const std::string& text) { return Cp1252ToUtf8(text); }

TEST(CountText, ChoosesTheFormByNumber) {
    EXPECT_EQ(Utf8(CountText(count_base::kNamesFound, 40)), "40 Namen wurden gefunden.");
    EXPECT_EQ(Utf8(CountText(count_base::kNamesFound, 1)), "Ein Name wurde gefunden.");
    EXPECT_EQ(Utf8(CountText(count_base::kNamesFound, 0)), "Es wurden keine Namen gefunden.");
    EXPECT_EQ(Utf8(CountText(count_base::kNamesFound, -3)), "Es wurden keine Namen gefunden.");
    EXPECT_EQ(Utf8(CountText(count_base::kStreetsPresent, 2)), "2 Straßen sind vorhanden.");
    EXPECT_EQ(Utf8(CountText(count_base::kNamesSearching, 0)),
              "Bisher wurde noch kein Name gefunden - Suche läuft...");
    EXPECT_EQ(Utf8(CountText(count_base::kCountryCodesFound, 0)),
              "Es wurden keine  Auslandsvorwahlen gefunden.");
}

TEST(CountText, MarkedRowsReplaceTheFullStop) {
    EXPECT_EQ(Utf8(WithMarkedCount(CountText(count_base::kNamesFound, 40), 3)),
              "40 Namen wurden gefunden (3 markiert).");
}

TEST(StringTable, TextsAreWindows1252AndMissingIdsAreEmpty) {
    EXPECT_EQ(LoadString(2403), "Phonetisch");
    EXPECT_EQ(LoadString(2004),
              "Stra\xDF"
              "en");
    EXPECT_EQ(LoadString(1336).find('\n'), std::string_view(LoadString(1336)).find("Bitte") - 1);
    EXPECT_TRUE(LoadString(9999).empty());
    EXPECT_EQ(Utf8(FormatString(2104, std::string_view("K\xF6ln"))).substr(0, 14), "Namen in Köln");
}

}  // namespace
}  // namespace vendarion
