// Random books of several table blocks, searched in every mode, against a plain
// statement of what each mode lists: a group is a main entry with its sub-entries;
// a group whose main entry matches is listed whole, otherwise its main entry is
// listed once above those of its sub-entries that match on their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/fold_text.h"
#include "base/phonetic_code.h"
#include "cursor_books.h"

namespace vendarion {
namespace {

using test::BookEntry;

struct Group {
    BookEntry main;
    std::vector<BookEntry> subs;
};

// Random entries of books 0-2 in table order; book 1 spans several table blocks.
std::vector<BookEntry> RandomEntries(std::mt19937* random) {
    const std::vector<std::string> surnames = test::CursorSurnames();
    const std::vector<std::string> first_names = test::CursorFirstNames();
    const std::vector<std::string> streets = test::CursorStreets();
    const std::vector<std::string> headings = test::CursorHeadings();
    auto pick = [&](const std::vector<std::string>& words, int none_in) {
        const int n = static_cast<int>((*random)() % (words.size() + none_in));
        return n < static_cast<int>(words.size()) ? words[static_cast<std::size_t>(n)] : "";
    };
    auto index = [](const std::vector<std::string>& words, const std::string& word) {
        return std::find(words.begin(), words.end(), word) - words.begin();
    };
    std::vector<Group> groups;
    for (int book = 0; book < 3; ++book) {
        const int count = book == 1 ? 2500 : 40;
        for (int i = 0; i < count; ++i) {
            Group group;
            group.main = {
                book, pick(surnames, 0), pick(first_names, 1), pick(streets, 2), pick(headings, 3),
                0};
            const int subs = static_cast<int>((*random)() % 6) < 4 ? 0 : 1 + (*random)() % 3;
            for (int s = 0; s < subs; ++s) {
                // Every depth; a sub-entry under its main entry's surname, its own or none.
                const int level = s == 0 ? 1 : 1 + static_cast<int>((*random)() % 7);
                const std::string surname =
                    (*random)() % 2 == 0 ? group.main.surname : pick(surnames, 2);
                group.subs.push_back({book, surname, pick(first_names, 1), pick(streets, 2),
                                      pick(headings, 3), level});
            }
            groups.push_back(group);
        }
    }
    std::stable_sort(groups.begin(), groups.end(), [&](const Group& a, const Group& b) {
        const auto key = [&](const BookEntry& e) {
            return std::tuple(e.book, index(surnames, e.surname),
                              e.first_name.empty() ? -1 : index(first_names, e.first_name));
        };
        return key(a.main) < key(b.main);
    });
    std::vector<BookEntry> entries;
    for (const Group& group : groups) {
        entries.push_back(group.main);
        entries.insert(entries.end(), group.subs.begin(), group.subs.end());
    }
    return entries;
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// Whether a record's word passes a prefix condition; an empty condition passes.
bool PrefixOf(const std::string& typed, const std::string& word) {
    return typed.empty() || (!word.empty() && FoldText(word).starts_with(FoldText(typed)));
}

class Oracle {
public:
    Oracle(const SearchRequest& request, NameMode mode)
        : request_(request),
          mode_(request.surname.empty() ? NameMode::kNormal : mode),
          street_(StreetSearchText(request.street)) {}

    // The record numbers the search lists in the book.
    std::vector<int> Hits(const std::vector<BookEntry>& entries, int book) {
        std::vector<int> hits;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].book != book || entries[i].level != 0) continue;
            std::size_t end = i + 1;
            while (end < entries.size() && entries[end].level != 0) ++end;
            if (InWalk(entries[i])) AddGroup(entries, i, end, &hits);
        }
        return hits;
    }

private:
    // Normal and Exakt walk only the groups whose main entry is in the surname
    // range; Phonetisch only those whose main entry has a candidate surname.
    bool InWalk(const BookEntry& main) {
        if (request_.surname.empty()) return true;
        if (mode_ == NameMode::kNormal || mode_ == NameMode::kExact ||
            mode_ == NameMode::kPhonetic) {
            return SurnameMatches(main.surname);
        }
        return true;
    }

    void AddGroup(const std::vector<BookEntry>& entries, std::size_t main, std::size_t end,
                  std::vector<int>* hits) {
        if (Matches(entries[main])) {
            for (std::size_t i = main; i < end; ++i) hits->push_back(static_cast<int>(i));
            return;
        }
        if (mode_ == NameMode::kPhonetic && !request_.surname.empty()) return;
        bool main_listed = false;
        for (std::size_t i = main + 1; i < end; ++i) {
            if (!Matches(entries[i])) continue;
            if (!main_listed) hits->push_back(static_cast<int>(main));
            main_listed = true;
            hits->push_back(static_cast<int>(i));
        }
    }

    bool Matches(const BookEntry& e) {
        return (request_.surname.empty() || SurnameMatches(e.surname)) &&
               PrefixOf(request_.first_name, e.first_name) && PrefixOf(street_, e.street) &&
               PrefixOf(request_.heading, e.heading);
    }

    bool SurnameMatches(const std::string& surname) {
        const std::string& typed = request_.surname;
        switch (mode_) {
            case NameMode::kNormal:
            case NameMode::kNormalComplete:
                return PrefixOf(typed, surname);
            case NameMode::kExact:
            case NameMode::kExactComplete:
                return FoldText(surname) == FoldText(typed);
            case NameMode::kPhonetic:
                return PhoneticCode(typed).substr(0, 5) == PhoneticCode(surname).substr(0, 5);
            case NameMode::kNameParts:
                return Lower(surname).find(Lower(typed)) != std::string::npos;
        }
        return false;
    }

    SearchRequest request_;
    NameMode mode_;
    std::string street_;
};

TEST(SearchCursorOracle, EveryModeListsWhatItsRuleSaysOnRandomBooks) {
    std::mt19937 random(20261208);
    const std::vector<BookEntry> entries = RandomEntries(&random);
    test::CursorBooks books(entries);
    ASSERT_TRUE(books.Ok());
    ASSERT_GT(books.Books().Table().BlockCount(), 2);
    const std::vector<SearchRequest> requests = {
        test::Request("Mei"),
        test::Request("meier"),
        test::Request("M"),
        test::Request("mann", "H"),
        test::Request("Schmidt", "", "Haupt"),
        test::Request("", "Zoe"),
        test::Request("", "", "Ring 5"),
        test::Request("", "", "", "B"),
        test::Request("aal"),
        test::Request("Zabel", "Anna"),
        test::Request("er", "", "", "\xC4"),
        test::Request("Weber", "Claudia", "Lindenweg 7"),
    };
    int total_hits = 0;
    for (const SearchRequest& request : requests) {
        for (int mode = 1; mode <= 6; ++mode) {
            for (const int book : {0, 1, 2}) {
                Oracle oracle(request, static_cast<NameMode>(mode));
                const std::vector<int> expected = oracle.Hits(entries, book);
                EXPECT_EQ(books.Hits(request, book, static_cast<NameMode>(mode)), expected)
                    << "surname '" << request.surname << "' first '" << request.first_name
                    << "' street '" << request.street << "' heading '" << request.heading
                    << "' mode " << mode << " book " << book;
                total_hits += static_cast<int>(expected.size());
            }
        }
    }
    EXPECT_GT(total_hits, 5000);
}

std::string Describe(const SearchRequest& request, NameMode mode, int book) {
    return "surname '" + request.surname + "' first '" + request.first_name + "' street '" +
           request.street + "' heading '" + request.heading + "' mode " +
           std::to_string(static_cast<int>(mode)) + " book " + std::to_string(book);
}

const std::vector<NameMode> kIndexedModes = {NameMode::kNormalComplete, NameMode::kExactComplete,
                                             NameMode::kNameParts};

// With the index of sub-entry surnames (three pairs to a block, so that a surname's
// sub-entries span blocks), the complete modes and Namensteile visit only the groups
// that can hold a hit; whatever the budget, they list the walk's rows.
TEST(SearchCursorOracle, IndexedSearchesListTheWalksRowsForEveryBudget) {
    std::mt19937 random(20261209);
    const std::vector<BookEntry> entries = RandomEntries(&random);
    test::CursorBooks indexed(entries, 3);
    test::CursorBooks walked(entries, 0);
    ASSERT_TRUE(indexed.Ok());
    ASSERT_TRUE(walked.Ok());
    ASSERT_TRUE(indexed.Books().SubNames().IsOpen());
    ASSERT_FALSE(walked.Books().SubNames().IsOpen());
    const std::vector<SearchRequest> requests = {
        test::Request("Mei"),
        test::Request("meier"),
        test::Request("M"),
        test::Request("mann", "H"),
        test::Request("Schmidt", "", "Haupt"),
        test::Request("aal"),
        test::Request("Zabel", "Anna"),
        test::Request("er", "", "", "\xC4"),
        test::Request("Weber", "Claudia", "Lindenweg 7"),
        test::Request("x"),
        test::Request("\xE4"),
        test::Request("Zabel"),
    };
    int indexed_searches = 0;
    for (const SearchRequest& request : requests) {
        for (const NameMode mode : kIndexedModes) {
            for (const int book : {0, 1, 2}) {
                const std::vector<int> expected = Oracle(request, mode).Hits(entries, book);
                ASSERT_EQ(walked.Hits(request, book, mode), expected)
                    << Describe(request, mode, book);
                for (const int budget : {1, 2, 3, 10, 1000}) {
                    EXPECT_EQ(indexed.Hits(request, book, mode, budget), expected)
                        << Describe(request, mode, book) << " budget " << budget;
                }
                const bool by_index = indexed.Indexed(request, book, mode);
                if (mode != NameMode::kNameParts && !expected.empty()) {
                    EXPECT_TRUE(by_index) << Describe(request, mode, book);
                }
                indexed_searches += by_index && mode == NameMode::kNameParts ? 1 : 0;
            }
        }
    }
    // Namensteile is indexed where few surnames contain the text.
    EXPECT_GE(indexed_searches, 6);
    // A rare surname costs what its groups cost, not the book.
    const SearchRequest rare = test::Request("Zabel");
    for (const NameMode mode : kIndexedModes) {
        EXPECT_TRUE(indexed.Indexed(rare, 1, mode));
        const int visits = indexed.Visits(rare, 1, mode);
        EXPECT_GT(visits, 0);
        EXPECT_LT(visits * 4, walked.Visits(rare, 1, mode)) << static_cast<int>(mode);
    }
}

// The sweep waits for the walk's first hit, so that a common text's first hit costs
// what it costs without the index: no word is swept before it; a rare text's search
// still sweeps and goes on by the index.
TEST(SearchCursorOracle, NamePartsSweepOnlyAfterTheWalksFirstHit) {
    std::mt19937 random(20261212);
    const std::vector<BookEntry> entries = RandomEntries(&random);
    test::CursorBooks indexed(entries, 3);
    ASSERT_TRUE(indexed.Ok());
    const int words = indexed.Books().Surnames().Count();
    for (const std::string text : {"er", "mei", "a"}) {
        SearchCursor cursor =
            CreateCursor(indexed.Books(), test::Request(text), 1, NameMode::kNameParts);
        ASSERT_TRUE(cursor.indexed.sweeping) << text;
        RawRecord record{};
        StepResult result = StepResult::kBudgetUsed;
        while (result == StepResult::kBudgetUsed) {
            result = StepCursor(indexed.Books(), &cursor, 1, &record);
        }
        ASSERT_EQ(result, StepResult::kHit) << text;
        EXPECT_EQ(cursor.name_words.Unswept(), words) << text;
        while (StepCursor(indexed.Books(), &cursor, 1, &record) != StepResult::kFinished &&
               !cursor.indexed.active) {
        }
        EXPECT_TRUE(cursor.indexed.active) << text;
    }
}

// Where hits come so densely that the walk lists a list's hits before the sweep of a
// large dictionary could end, no word is swept; a text whose hits are sparse in the
// same book is still swept and searched by the index.
TEST(SearchCursorOracle, NamePartsDenseHitsAreWalkedWithoutASweep) {
    std::vector<BookEntry> entries = {{1, "Aal", "", "", "", 0}};
    for (int i = 0; i < 3000; ++i) entries.push_back({1, "M\xFCller", "", "", "", 0});
    test::CursorBooks books(entries, 3, {}, 8000);
    ASSERT_TRUE(books.Ok());
    const int words = books.Books().Surnames().Count();
    const SearchRequest dense = test::Request("ll");
    SearchCursor cursor = CreateCursor(books.Books(), dense, 1, NameMode::kNameParts);
    ASSERT_TRUE(cursor.indexed.sweeping);
    RawRecord record{};
    int hits = 0;
    for (StepResult result = StepResult::kBudgetUsed; result != StepResult::kFinished;) {
        result = StepCursor(books.Books(), &cursor, 10, &record);
        hits += result == StepResult::kHit ? 1 : 0;
    }
    EXPECT_EQ(hits, 3000);
    EXPECT_EQ(cursor.name_words.Unswept(), words);
    EXPECT_EQ(books.Hits(dense, 1, NameMode::kNameParts),
              Oracle(dense, NameMode::kNameParts).Hits(entries, 1));
    const SearchRequest sparse = test::Request("aal");
    EXPECT_TRUE(books.Indexed(sparse, 1, NameMode::kNameParts));
    EXPECT_EQ(books.Hits(sparse, 1, NameMode::kNameParts, 1),
              Oracle(sparse, NameMode::kNameParts).Hits(entries, 1));
    EXPECT_LT(books.Visits(sparse, 1, NameMode::kNameParts), 1000);
}

// Where more surnames contain the text than the index can pay for (every unused
// surname holds "zz"), the sweep stops once it has found that many and the book is
// walked, with the walk's rows.
TEST(SearchCursorOracle, NamePartsTextInTooManySurnamesIsWalked) {
    std::vector<BookEntry> entries = {{1, "Aal", "", "", "", 0}, {1, "Zz100007", "", "", "", 1}};
    for (int i = 0; i < 3000; ++i) entries.push_back({1, "M\xFCller", "", "", "", 0});
    test::CursorBooks books(entries, 3, {}, 8000);
    ASSERT_TRUE(books.Ok());
    const SearchRequest request = test::Request("zz");
    SearchCursor cursor = CreateCursor(books.Books(), request, 1, NameMode::kNameParts);
    ASSERT_TRUE(cursor.indexed.sweeping);
    RawRecord record{};
    while (StepCursor(books.Books(), &cursor, 10, &record) != StepResult::kFinished) {
    }
    EXPECT_FALSE(cursor.indexed.active);
    EXPECT_FALSE(cursor.name_words.Swept());
    EXPECT_GT(cursor.name_words.Ids().size(), 0u);
    EXPECT_EQ(books.Hits(request, 1, NameMode::kNameParts),
              Oracle(request, NameMode::kNameParts).Hits(entries, 1));
}

// A search over several books hands the Namensteile verdicts from book to book: the
// rows stay the oracle's, the words are swept once, and a later book whose index
// covers it is searched by the index from its first step.
TEST(SearchCursorOracle, NamePartVerdictsCarriedFromBookToBookListTheSameRows) {
    std::mt19937 random(20261211);
    const std::vector<BookEntry> entries = RandomEntries(&random);
    test::CursorBooks indexed(entries, 3);
    ASSERT_TRUE(indexed.Ok());
    for (const std::string text : {"mei", "er", "aal", "x", "\xE4"}) {
        const SearchRequest request = test::Request(text);
        NamePartWords carried;
        for (const int book : {1, 0, 2}) {
            EXPECT_EQ(indexed.Hits(request, book, NameMode::kNameParts, 10, &carried),
                      Oracle(request, NameMode::kNameParts).Hits(entries, book))
                << text << " book " << book;
            EXPECT_TRUE(carried.Swept()) << text;
        }
        const SearchCursor later =
            CreateCursor(indexed.Books(), request, 2, NameMode::kNameParts, &carried);
        EXPECT_TRUE(later.name_words.Swept());
        EXPECT_FALSE(later.indexed.sweeping);
    }
    // Verdicts made for another text are not taken over.
    NamePartWords carried;
    indexed.Hits(test::Request("mei"), 1, NameMode::kNameParts, 10, &carried);
    const SearchCursor other =
        CreateCursor(indexed.Books(), test::Request("er"), 1, NameMode::kNameParts, &carried);
    EXPECT_EQ(other.name_words.Lowered(), "er");
    EXPECT_FALSE(other.name_words.Swept());
}

// A damaged index is refused at open, or, where only a block is damaged, dropped by
// the search that reads it; the searches then walk and list the same rows.
TEST(SearchCursorOracle, DamagedIndexFallsBackToTheWalk) {
    std::mt19937 random(20261210);
    const std::vector<BookEntry> entries = RandomEntries(&random);
    const auto cut = [](const std::string&, const std::string& member, std::string* bytes) {
        if (member == "SubEntryNames.z") bytes->resize(bytes->size() - 1);
        return true;
    };
    // Inverts the last byte, one of the checksum, of every block: the layout still
    // checks out at open.
    const auto flip = [](const std::string&, const std::string& member, std::string* bytes) {
        if (member != "SubEntryNames.z") return true;
        const ByteView view(*bytes);
        std::uint32_t books = 0;
        std::uint32_t blocks = 0;
        if (!view.U32(0, &books) || !view.U32(8, &blocks)) return true;
        for (std::uint32_t k = 0; k < blocks; ++k) {
            std::uint32_t offset = 0;
            std::uint32_t length = 0;
            const std::uint64_t entry = 12 + 12 * static_cast<std::uint64_t>(books) + 12 * k;
            if (view.U32(entry + 4, &offset) && view.U32(entry + 8, &length) && length > 0 &&
                view.Contains(offset, length)) {
                char& last = (*bytes)[offset + length - 1];
                last = static_cast<char>(~last);
            }
        }
        return true;
    };
    test::CursorBooks refused(entries, 3, cut);
    test::CursorBooks damaged(entries, 3, flip);
    ASSERT_TRUE(refused.Ok());
    ASSERT_TRUE(damaged.Ok());
    EXPECT_FALSE(refused.Books().SubNames().IsOpen());
    EXPECT_TRUE(damaged.Books().SubNames().IsOpen());
    bool dropped = false;
    for (const SearchRequest& request :
         {test::Request("M"), test::Request("Zabel"), test::Request("a")}) {
        for (const NameMode mode : kIndexedModes) {
            for (const int book : {0, 1, 2}) {
                const std::vector<int> expected = Oracle(request, mode).Hits(entries, book);
                EXPECT_FALSE(refused.Indexed(request, book, mode));
                EXPECT_EQ(refused.Hits(request, book, mode), expected)
                    << Describe(request, mode, book);
                EXPECT_EQ(damaged.Hits(request, book, mode), expected)
                    << Describe(request, mode, book);
                dropped |= !damaged.Indexed(request, book, mode);
            }
        }
    }
    EXPECT_TRUE(dropped);
}

}  // namespace
}  // namespace vendarion
