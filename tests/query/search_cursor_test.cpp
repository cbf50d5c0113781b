// The six name modes on a hand-built book, hit for hit, and the walk's rules for
// sub-entries, the start position, phonetic jumps and the visit budget.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cursor_books.h"

namespace vendarion {
namespace {

using test::BookEntry;
using test::Request;

// Book 1 is the book under test; books 0 and 2 border it.
std::vector<BookEntry> Entries() {
    return {
        {0, "Zabel", "Anna", "", "", 0},
        {1, "Aal", "", "", "", 0},
        {1, "Aal", "Zoe", "", "", 1},
        {1,
         "B\xE4"
         "cker",
         "Anna", "", "", 0},
        {1, "Becker", "Hans", "", "", 0},
        {1, "Meier", "Anna", "", "", 1},
        {1, "Hartmann", "Bernd", "Lindenweg", "", 0},
        {1, "Maier", "Anna", "", "", 0},
        {1, "Mannheimer", "Hans", "", "", 0},
        {1, "Mayer", "Claudia", "", "\xC4rzte", 0},
        {1, "Mayer", "Zoe", "", "", 1},
        {1, "Weber", "Hans", "", "", 2},
        {1, "MEIER", "Hans", "", "", 0},
        {1, "Meier", "Anna", "Hauptstr.", "", 0},
        {1, "Meier", "Hanna", "", "", 0},
        {1, "Schmidt", "Anna", "", "", 1},
        {1, "Meister", "Bernd", "", "", 0},
        {1, "M\xFCller", "Hans", "1. Mai", "", 0},
        {1, "Meier", "Zoe", "", "", 1},
        {1, "Weber", "Anna", "Ringstr.", "", 0},
        {2, "Aal", "Anna", "", "", 0},
        {2, "Meier", "Bernd", "", "", 0},
    };
}

class SearchCursorTest : public testing::Test {
protected:
    SearchCursorTest() : entries_(Entries()), books_(entries_) {}

    // The hits as "Surname First" labels, sub-entries indented by two blanks per
    // level, for every budget from 1 up: the budget must never change the hits.
    std::vector<std::string> Hits(const SearchRequest& request, NameMode mode, int book = 1) {
        std::vector<std::string> labels;
        for (const int hit : books_.Hits(request, book, mode, 10)) {
            if (hit < 0 || hit >= static_cast<int>(entries_.size())) {
                labels.push_back("?");
                continue;
            }
            const BookEntry& e = entries_[static_cast<std::size_t>(hit)];
            std::string label(static_cast<std::size_t>(2 * e.level), ' ');
            labels.push_back(label + e.surname + " " + e.first_name);
        }
        for (const int budget : {1, 2, 3, 1000}) {
            EXPECT_EQ(books_.Hits(request, book, mode, 10),
                      books_.Hits(request, book, mode, budget))
                << "budget " << budget;
        }
        return labels;
    }

    std::vector<BookEntry> entries_;
    test::CursorBooks books_;
};

using Labels = std::vector<std::string>;

TEST_F(SearchCursorTest, NormalAndExactWalkTheSurnameRangeOnly) {
    ASSERT_TRUE(books_.Ok());
    const Labels mei = {"MEIER Hans", "Meier Anna", "Meier Hanna", "  Schmidt Anna",
                        "Meister Bernd"};
    EXPECT_EQ(Hits(Request("Mei"), NameMode::kNormal), mei);
    EXPECT_EQ(Hits(Request("MEI"), NameMode::kNormal), mei);
    // Exakt takes every surname that folds to the text, whatever its case.
    EXPECT_EQ(Hits(Request("meier"), NameMode::kExact),
              (Labels{"MEIER Hans", "Meier Anna", "Meier Hanna", "  Schmidt Anna"}));
    EXPECT_EQ(Hits(Request("Mueller"), NameMode::kExact),
              (Labels{"M\xFCller Hans", "  Meier Zoe"}));
    // The Meier sub-entries under Becker and Müller lie outside the walk.
    EXPECT_TRUE(Hits(Request("Zz"), NameMode::kNormal).empty());
    EXPECT_TRUE(Hits(Request("Meie"), NameMode::kExact).empty());
}

TEST_F(SearchCursorTest, CompleteModesFindSubEntriesAnywhereUnderTheirMainEntry) {
    ASSERT_TRUE(books_.Ok());
    EXPECT_EQ(Hits(Request("Mei"), NameMode::kNormalComplete),
              (Labels{"Becker Hans", "  Meier Anna", "MEIER Hans", "Meier Anna", "Meier Hanna",
                      "  Schmidt Anna", "Meister Bernd", "M\xFCller Hans", "  Meier Zoe"}));
    EXPECT_EQ(Hits(Request("meier"), NameMode::kExactComplete),
              (Labels{"Becker Hans", "  Meier Anna", "MEIER Hans", "Meier Anna", "Meier Hanna",
                      "  Schmidt Anna", "M\xFCller Hans", "  Meier Zoe"}));
}

TEST_F(SearchCursorTest, NamePartsIgnoreTheCaseOfAsciiLettersOnly) {
    ASSERT_TRUE(books_.Ok());
    EXPECT_EQ(Hits(Request("mann"), NameMode::kNameParts),
              (Labels{"Hartmann Bernd", "Mannheimer Hans"}));
    EXPECT_EQ(Hits(Request("MANN"), NameMode::kNameParts),
              (Labels{"Hartmann Bernd", "Mannheimer Hans"}));
    EXPECT_EQ(Hits(Request("b\xE4"), NameMode::kNameParts), (Labels{"B\xE4"
                                                                    "cker Anna"}));
    EXPECT_TRUE(Hits(Request("B\xC4"), NameMode::kNameParts).empty());
    // Sub-entries are tested by their own surname too.
    EXPECT_EQ(Hits(Request("chmi"), NameMode::kNameParts),
              (Labels{"Meier Hanna", "  Schmidt Anna"}));
}

TEST_F(SearchCursorTest, PhoneticJumpsBetweenCandidateRunsAndTestsMainEntriesOnly) {
    ASSERT_TRUE(books_.Ok());
    // Maier, Mayer, MEIER and Meier share a code; Mannheimer between them is jumped.
    EXPECT_EQ(Hits(Request("Meier"), NameMode::kPhonetic),
              (Labels{"Maier Anna", "Mayer Claudia", "  Mayer Zoe", "    Weber Hans", "MEIER Hans",
                      "Meier Anna", "Meier Hanna", "  Schmidt Anna"}));
    EXPECT_EQ(Hits(Request("Meier", "", "", "\xC4"), NameMode::kPhonetic),
              (Labels{"Mayer Claudia", "  Mayer Zoe", "    Weber Hans"}));
    // The Meier sub-entries under Becker and Müller are never tested on their own.
    EXPECT_EQ(Hits(Request("Meier", "Zoe"), NameMode::kPhonetic), Labels{});
}

TEST_F(SearchCursorTest, PhoneticSearchEndsAtOnceWhenTheBookLiesBelowTheCandidates) {
    ASSERT_TRUE(books_.Ok());
    for (const int book : {1, 2}) {
        SearchCursor cursor =
            CreateCursor(books_.Books(), Request("Zabel"), book, NameMode::kPhonetic);
        RawRecord record{};
        EXPECT_EQ(StepCursor(books_.Books(), &cursor, 10, &record), StepResult::kFinished)
            << "book " << book;
    }
    EXPECT_TRUE(Hits(Request("Weber"), NameMode::kPhonetic, 2).empty());
    EXPECT_TRUE(Hits(Request("Xyzzy"), NameMode::kPhonetic).empty());
}

TEST(SearchCursorDamage, PhoneticIdsOutsideTheDictionaryEndTheSearchQuietly) {
    // Every surname id of the phonetic table replaced by the smallest int32 (or the
    // largest): the start position must not be computed from it with an overflow.
    for (const std::uint32_t id : {0x80000000u, 0x7FFFFFFFu, 0u}) {
        test::CursorBooks books(
            Entries(), 3, [id](const std::string&, const std::string& member, std::string* bytes) {
                if (member != "phonetic.dat" || bytes->size() < 4) return true;
                std::uint32_t codes = 0;
                std::memcpy(&codes, bytes->data(), 4);
                for (std::size_t at = 4 + 12 * std::size_t{codes}; at + 4 <= bytes->size();
                     at += 4) {
                    std::memcpy(bytes->data() + at, &id, 4);
                }
                return true;
            });
        ASSERT_TRUE(books.Ok());
        const std::vector<int> hits = books.Hits(Request("Meier"), 1, NameMode::kPhonetic);
        EXPECT_LE(hits.size(), Entries().size()) << id;
    }
}

TEST_F(SearchCursorTest, FirstNameAloneWalksTheWholeBookFromItsFirstMainEntry) {
    ASSERT_TRUE(books_.Ok());
    // Aal is the dictionary's first word and its main entry has no first name: the
    // walk must still start at it, or the matching sub-entry under it is lost.
    EXPECT_EQ(Hits(Request("", "Zoe"), NameMode::kNormal),
              (Labels{"Aal ", "  Aal Zoe", "Mayer Claudia", "  Mayer Zoe", "M\xFCller Hans",
                      "  Meier Zoe"}));
    // The mode does not matter without a surname.
    EXPECT_EQ(Hits(Request("", "Zoe"), NameMode::kPhonetic),
              Hits(Request("", "Zoe"), NameMode::kNormal));
    EXPECT_EQ(
        Hits(Request("", "Han"), NameMode::kNormal),
        (Labels{"Becker Hans", "  Meier Anna", "Mannheimer Hans", "Mayer Claudia", "    Weber Hans",
                "MEIER Hans", "Meier Hanna", "  Schmidt Anna", "M\xFCller Hans", "  Meier Zoe"}));
}

TEST_F(SearchCursorTest, SurnameRangeStartsBeforeTheFirstNameCondition) {
    ASSERT_TRUE(books_.Ok());
    // Mayer Claudia sorts before Mayer Zoe's first name; the walk starts at her
    // group all the same and lists her once, above the matching sub-entry.
    EXPECT_EQ(Hits(Request("Mayer", "Zoe"), NameMode::kExact),
              (Labels{"Mayer Claudia", "  Mayer Zoe"}));
    EXPECT_EQ(Hits(Request("Meier", "Hanna"), NameMode::kNormal),
              (Labels{"Meier Hanna", "  Schmidt Anna"}));
}

TEST_F(SearchCursorTest, StreetAndHeadingAreConditionsOnTheTestedRecord) {
    ASSERT_TRUE(books_.Ok());
    for (const char* street :
         {"Lindenweg", "Lindenweg 7", "Lindenweg 7b", "Lindenweg 7 b", "lind"}) {
        EXPECT_EQ(Hits(Request("", "", street), NameMode::kNormal), (Labels{"Hartmann Bernd"}))
            << street;
    }
    EXPECT_EQ(Hits(Request("", "", "1. Mai"), NameMode::kNormal),
              (Labels{"M\xFCller Hans", "  Meier Zoe"}));
    EXPECT_EQ(Hits(Request("", "", "Hauptstr. 12 a"), NameMode::kNormal), (Labels{"Meier Anna"}));
    // A street that is only a number is looked up as typed.
    EXPECT_TRUE(Hits(Request("", "", "12"), NameMode::kNormal).empty());
    EXPECT_EQ(Hits(Request("", "", "", "\xE4rz"), NameMode::kNormal),
              (Labels{"Mayer Claudia", "  Mayer Zoe", "    Weber Hans"}));
}

TEST_F(SearchCursorTest, BlankTextsFindNothingExceptAStreetThatSetsNoCondition) {
    ASSERT_TRUE(books_.Ok());
    EXPECT_TRUE(Hits(Request("Weber", "  "), NameMode::kNormal).empty());
    EXPECT_TRUE(Hits(Request("Weber", "", "", "   "), NameMode::kNormal).empty());
    EXPECT_EQ(Hits(Request("Weber", "", "   "), NameMode::kNormal), (Labels{"Weber Anna"}));
}

TEST(StreetSearchText, RemovesAHouseNumberAtTheEnd) {
    EXPECT_EQ(StreetSearchText("Hauptstr. 12 a"), "Hauptstr.");
    EXPECT_EQ(StreetSearchText("Hauptstr. 12a"), "Hauptstr.");
    EXPECT_EQ(StreetSearchText("Hauptstr. 12"), "Hauptstr.");
    EXPECT_EQ(StreetSearchText("Hauptstr. 12   "), "Hauptstr.");
    EXPECT_EQ(StreetSearchText("1. Mai 5"), "1. Mai 5");
    EXPECT_EQ(StreetSearchText("1. Mai 5a"), "1. Mai");
    EXPECT_EQ(StreetSearchText("12"), "12");
    EXPECT_EQ(StreetSearchText("12a"), "12a");
    EXPECT_EQ(StreetSearchText("Lindenweg"), "Lindenweg");
    EXPECT_EQ(StreetSearchText("   "), "");
    EXPECT_EQ(StreetSearchText(""), "");
    EXPECT_EQ(StreetSearchText(std::string(200, 'x')), std::string(127, 'x'));
}

TEST(NameModes, ParseCaptionsAndNumbers) {
    NameMode mode = NameMode::kNormal;
    EXPECT_TRUE(ParseNameMode("Exakt, komplett", &mode));
    EXPECT_EQ(mode, NameMode::kExactComplete);
    EXPECT_TRUE(ParseNameMode("phonetisch", &mode));
    EXPECT_EQ(mode, NameMode::kPhonetic);
    EXPECT_TRUE(ParseNameMode("6", &mode));
    EXPECT_EQ(mode, NameMode::kNameParts);
    EXPECT_FALSE(ParseNameMode("7", &mode));
    EXPECT_FALSE(ParseNameMode("", &mode));
    EXPECT_EQ(mode, NameMode::kNameParts);
}

}  // namespace
}  // namespace vendarion
