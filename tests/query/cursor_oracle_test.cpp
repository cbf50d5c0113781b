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
                const int level = s == 0 ? 1 : 1 + static_cast<int>((*random)() % 2);
                group.subs.push_back({book, pick(surnames, 0), pick(first_names, 1),
                                      pick(streets, 2), pick(headings, 3), level});
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

}  // namespace
}  // namespace vendarion
