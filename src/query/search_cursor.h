// The resumable walk over one book of the subscriber table that finds the entries
// matching up to four typed texts. CreateCursor turns the texts into ranges of word
// numbers once; StepCursor then visits at most a given number of records per call
// and returns the next hit, so that the caller can check for cancellation between
// calls. Hits come in table order, each sub-entry after its main entry.
//
// Threads: a cursor and the book list it is used with belong to one thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "query/indexed_groups.h"
#include "query/name_mode.h"
#include "query/name_part_words.h"
#include "store/main_table.h"
#include "store/phonetic_index.h"

namespace vendarion {

class BookList;

// A range of word numbers of one dictionary, both ends included.
struct ValueRange {
    int low = -2;
    int high = -2;
    // No text was typed: no condition.
    bool Unset() const { return low == -2 && high == -2; }
    // A text was typed that no word matches: no hits.
    bool NoMatch() const { return low == -1 && high == -1; }
    // Whether a record's id (word number + 1) lies inside, or the range is unset.
    bool Admits(std::uint32_t id) const {
        return Unset() || (static_cast<std::int64_t>(low) + 1 <= id &&
                           id <= static_cast<std::int64_t>(high) + 1);
    }
    bool operator==(const ValueRange&) const = default;
};

inline constexpr ValueRange kUnsetRange{-2, -2};
inline constexpr ValueRange kNoMatchRange{-1, -1};

// The typed texts of a directory search (Windows-1252).
struct SearchRequest {
    std::string surname;
    std::string first_name;
    std::string street;
    std::string heading;
};

struct SearchCursor {
    int position = -1;  // the next record to visit; -1 when finished
    int book = 0;
    bool surname_present = false;
    ValueRange first_name_range;
    ValueRange street_range;
    ValueRange heading_range;
    bool in_matched_main = false;  // the last main entry was a hit: its sub-entries are
    bool main_emitted = false;     // the group's main entry went out for a sub-entry
    NameMode mode = NameMode::kNormal;
    ValueRange name_range{0, 0};
    // kNameParts: the surname with A-Z lowered, and which surname words contain it.
    NamePartWords name_words;
    PhoneticIds candidates;  // kPhonetic: the surname ids of the code, ascending
    int last_main = -1;      // the record number of the last main entry visited
    int run_start = 0;       // kPhonetic: the current run of consecutive candidates
    int run_extra = 0;
    // Komplett modes and kNameParts: the groups to visit when the data indexes the
    // sub-entries' surnames.
    IndexedGroups indexed;

    // A typed text matches no word of its dictionary: the search has no hits in any
    // book.
    bool MatchesNothing() const {
        return name_range.NoMatch() || first_name_range.NoMatch() || street_range.NoMatch() ||
               heading_range.NoMatch();
    }
};

enum class StepResult {
    kFinished = -1,   // no further hits
    kBudgetUsed = 0,  // call again
    kHit = 1,         // *hit holds the record
};

// The street text as searched: at most 127 characters, trailing blanks and a house
// number at the end removed ("Hauptstr. 12 a" and "Hauptstr. 12a" give "Hauptstr.";
// a text that starts with a digit keeps a trailing number: "1. Mai 5").
std::string StreetSearchText(std::string_view street);

// A cursor for the book and mode; mode is ignored (kNormal) when the surname is empty.
// A search over several books hands each book's cursor the Namensteile verdicts of
// the one before (carried, moved from when they fit), so that no word is decided twice.
SearchCursor CreateCursor(BookList& books, const SearchRequest& request, int book, NameMode mode,
                          NamePartWords* carried = nullptr);

// Visits at most budget records and returns the next hit into *hit.
StepResult StepCursor(BookList& books, SearchCursor* cursor, int budget, RawRecord* hit);

}  // namespace vendarion
