#include "query/search_cursor.h"

#include <algorithm>
#include <optional>

#include "base/ascii_text.h"
#include "base/byte_view.h"
#include "store/book_list.h"
#include "store/main_table_format.h"

namespace vendarion {
namespace {

namespace fmt = main_table_format;

constexpr std::size_t kMaxStreetText = 127;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' '; }
// A character above the blank that is not a digit.
bool IsNonDigit(char c) { return static_cast<unsigned char>(c) > 0x20 && !IsDigit(c); }

void TrimTrailingBlanks(std::string* text) {
    while (!text->empty() && IsBlank(text->back())) text->pop_back();
}

void TrimTrailingDigits(std::string* text) {
    while (!text->empty() && IsDigit(text->back())) text->pop_back();
}

// The range of a prefix lookup, or the no-match range when no word begins with it.
ValueRange PrefixRange(FieldDictionary& dictionary, std::string_view text) {
    if (text.empty()) return kUnsetRange;
    ValueRange range;
    if (!dictionary.PrefixRange(text, &range.low, &range.high)) return kNoMatchRange;
    return range;
}

ValueRange NameRange(BookList& books, const SearchRequest& request, NameMode mode,
                     SearchCursor* cursor, NamePartWords* carried) {
    switch (mode) {
        case NameMode::kExact:
        case NameMode::kExactComplete: {
            ValueRange range;
            if (!books.Surnames().EqualRange(request.surname, &range.low, &range.high)) {
                return kNoMatchRange;
            }
            return range;
        }
        case NameMode::kPhonetic:
            return books.Phonetic().Find(request.surname, &cursor->candidates) == 0 &&
                           cursor->candidates.Count() > 0
                       ? ValueRange{0, 0}
                       : kNoMatchRange;
        case NameMode::kNameParts: {
            std::string lowered = LowerAsciiText(request.surname);
            const int words = books.Surnames().Count();
            if (carried != nullptr && carried->Fits(lowered, words)) {
                cursor->name_words = std::move(*carried);
            } else {
                cursor->name_words.Reset(std::move(lowered), words);
            }
            return {0, 0};
        }
        case NameMode::kNormal:
        case NameMode::kNormalComplete:
            break;
    }
    return PrefixRange(books.Surnames(), request.surname);
}

// The record number the walk starts at. Every walk starts at a main entry: the
// first one of the book for the whole-book walks, else the first one of the
// surname range. The first-name condition does not move the start, so that the
// sub-entries of the range's first main entries are visited as well.
int StartPosition(BookList& books, const SearchCursor& cursor) {
    MainTable& table = books.Table();
    if (!cursor.surname_present) return table.Find(cursor.book, -2, -2);
    switch (cursor.mode) {
        case NameMode::kNormal:
        case NameMode::kExact:
            return table.Find(cursor.book, cursor.name_range.low, -2);
        case NameMode::kPhonetic:
            // Ids are word numbers + 1; a damaged table's id below 1 starts at the
            // first surname instead of wrapping around.
            return table.Find(cursor.book, std::max(cursor.candidates.At(0), 1) - 1, -1);
        case NameMode::kNormalComplete:
        case NameMode::kExactComplete:
        case NameMode::kNameParts:
            break;
    }
    return table.Find(cursor.book, -2, -2);
}

std::uint32_t Id24(const std::uint8_t* record, std::size_t offset) {
    return LoadU24BigEndian(record + offset);
}

int Level(const std::uint8_t* record) { return record[fmt::kFlags] & fmt::kLevelMask; }

bool PassesFields(const SearchCursor& cursor, const std::uint8_t* record) {
    return cursor.first_name_range.Admits(Id24(record, fmt::kFirstName)) &&
           cursor.street_range.Admits(Id24(record, fmt::kStreet)) &&
           cursor.heading_range.Admits(Id24(record, fmt::kHeading));
}

// What the walk does with a record.
enum class Verdict { kHit, kSkip, kJumped, kFinished };

// The surname tests below decide a record's fate, or return nothing when the record
// goes on to the field filters.

// Mode kPhonetic, a main entry with surname id m: moves along the candidate runs.
std::optional<Verdict> PhoneticMain(BookList& books, SearchCursor* cursor, std::int64_t m) {
    const PhoneticIds& ids = cursor->candidates;
    const int count = ids.Count();
    while (cursor->run_start < count && ids.At(cursor->run_start + cursor->run_extra) < m) {
        cursor->run_start += cursor->run_extra + 1;
        cursor->run_extra = 0;
        while (cursor->run_start + cursor->run_extra + 1 < count &&
               static_cast<std::int64_t>(ids.At(cursor->run_start + cursor->run_extra + 1)) ==
                   static_cast<std::int64_t>(ids.At(cursor->run_start + cursor->run_extra)) + 1) {
            ++cursor->run_extra;
        }
    }
    if (cursor->run_start >= count) return Verdict::kFinished;
    const std::int32_t next = ids.At(cursor->run_start);
    if (next <= m) return std::nullopt;
    // No surname of the book lies between m and the next candidate: jump there.
    const int position = books.Table().Find(cursor->book, next - 1, -1);
    if (position < 0) return Verdict::kFinished;
    // A damaged table could send the walk back; never let it go round in a circle.
    cursor->position = std::max(position, cursor->position + 1);
    return Verdict::kJumped;
}

// Modes other than kPhonetic, a main entry or a sub-entry to be tested on its own.
std::optional<Verdict> SurnameTest(BookList& books, SearchCursor* cursor,
                                   const std::uint8_t* record) {
    if (!cursor->surname_present) return std::nullopt;
    const std::uint32_t id = Id24(record, fmt::kSurname);
    if (cursor->mode == NameMode::kNameParts) {
        if (cursor->name_words.Contains(books.Surnames(), id)) return std::nullopt;
        return Verdict::kSkip;
    }
    const ValueRange& range = cursor->name_range;
    if (id < static_cast<std::int64_t>(range.low) + 1) return Verdict::kSkip;
    if (id <= static_cast<std::int64_t>(range.high) + 1) return std::nullopt;
    const bool sorted_walk = cursor->mode == NameMode::kNormal || cursor->mode == NameMode::kExact;
    // Main entries are sorted by surname: past the range, the walk of a book's
    // surname range is over.
    return sorted_walk && Level(record) == 0 ? Verdict::kFinished : Verdict::kSkip;
}

// What to do with the record at the cursor's position.
Verdict Judge(BookList& books, SearchCursor* cursor, const std::uint8_t* record) {
    const bool main_entry = Level(record) == 0;
    if (!main_entry && cursor->in_matched_main) return Verdict::kHit;
    if (main_entry) {
        cursor->in_matched_main = false;
        cursor->main_emitted = false;
        cursor->last_main = cursor->position;
    }
    const bool phonetic = cursor->mode == NameMode::kPhonetic && cursor->surname_present;
    // Phonetic searches never test a sub-entry on its own.
    if (phonetic && !main_entry) return Verdict::kSkip;
    const std::optional<Verdict> verdict =
        phonetic ? PhoneticMain(books, cursor, Id24(record, fmt::kSurname))
                 : SurnameTest(books, cursor, record);
    if (verdict) return *verdict;
    return PassesFields(*cursor, record) ? Verdict::kHit : Verdict::kSkip;
}

// Delivers the hit at the cursor's position. A sub-entry that matched on its own
// under a main entry that did not is preceded by that main entry, once; the walk then
// revisits the group's sub-entries, each returned only when it matches itself.
StepResult DeliverHit(MainTable& table, SearchCursor* cursor, const std::uint8_t* record,
                      RawRecord* hit) {
    if (Level(record) == 0) {
        cursor->in_matched_main = true;
    } else if (!cursor->in_matched_main && !cursor->main_emitted) {
        cursor->main_emitted = true;
        cursor->position = cursor->last_main;
        if (table.ReadOne(cursor->position, hit) != 0) {
            cursor->position = -1;
            return StepResult::kFinished;
        }
        ++cursor->position;
        return StepResult::kHit;
    }
    std::copy_n(record, fmt::kRecordSize, hit->begin());
    ++cursor->position;
    return StepResult::kHit;
}

}  // namespace

std::string StreetSearchText(std::string_view street) {
    std::string text(street.substr(0, kMaxStreetText));
    TrimTrailingBlanks(&text);
    if (!text.empty() && IsNonDigit(text.back())) {
        std::size_t end = text.size() - 1;
        while (end > 0 && IsBlank(text[end - 1])) --end;
        std::size_t digits = end;
        while (digits > 0 && IsDigit(text[digits - 1])) --digits;
        if (digits < end && digits > 0) {
            text.resize(digits);
            TrimTrailingBlanks(&text);
        }
    }
    if (!text.empty() && IsNonDigit(text.front())) {
        TrimTrailingDigits(&text);
        TrimTrailingBlanks(&text);
    }
    return text;
}

SearchCursor CreateCursor(BookList& books, const SearchRequest& request, int book, NameMode mode,
                          NamePartWords* carried) {
    SearchCursor cursor;
    cursor.book = book;
    cursor.surname_present = !request.surname.empty();
    cursor.mode = cursor.surname_present ? mode : NameMode::kNormal;
    if (cursor.surname_present) {
        cursor.name_range = NameRange(books, request, cursor.mode, &cursor, carried);
    }
    cursor.first_name_range = PrefixRange(books.FirstNames(), request.first_name);
    cursor.street_range = PrefixRange(books.Streets(), StreetSearchText(request.street));
    cursor.heading_range = PrefixRange(books.Headings(), request.heading);
    if (!cursor.MatchesNothing()) cursor.position = StartPosition(books, cursor);
    cursor.last_main = cursor.position;
    PlanIndexedGroups(books, &cursor);
    return cursor;
}

namespace {

// Visits records from the cursor's position until a hit, a jump or the budget's end;
// *budget is what is left of it.
StepResult Walk(BookList& books, SearchCursor* cursor, int* budget, RawRecord* hit) {
    MainTable& table = books.Table();
    while (cursor->position >= 0) {
        if (*budget <= 0) return StepResult::kBudgetUsed;
        --*budget;
        ByteView view = table.Record(cursor->position);
        if (view.empty() || LoadU16(view.data() + fmt::kBook) > cursor->book) break;
        if (cursor->indexed.active && Level(view.data()) == 0) {
            const GroupChoice choice = ChooseGroup(books, cursor, Id24(view.data(), fmt::kSurname));
            if (choice == GroupChoice::kFinished) break;
            // A jump ends the step, as a phonetic one does: a step visits one run.
            if (choice == GroupChoice::kJump) return StepResult::kBudgetUsed;
            // Choosing may have read other records.
            view = table.Record(cursor->position);
            if (view.empty()) break;
        }
        switch (Judge(books, cursor, view.data())) {
            case Verdict::kHit:
                return DeliverHit(table, cursor, view.data(), hit);
            case Verdict::kSkip:
                ++cursor->position;
                break;
            case Verdict::kJumped:
                return StepResult::kBudgetUsed;
            case Verdict::kFinished:
                cursor->position = -1;
                break;
        }
    }
    cursor->position = -1;
    return StepResult::kFinished;
}

}  // namespace

StepResult StepCursor(BookList& books, SearchCursor* cursor, int budget, RawRecord* hit) {
    if (!cursor->indexed.sweeping) return Walk(books, cursor, &budget, hit);
    // While the surname words are swept, the walk goes first, so that a common text's
    // hits come at once, and the sweep follows for as many visits as the walk used.
    IndexedGroups& plan = cursor->indexed;
    const bool sweep = !WalkGoesAlone(*cursor);
    const int walk_budget = sweep ? budget - budget / 2 : budget;
    int left = walk_budget;
    const StepResult result = Walk(books, cursor, &left, hit);
    const int visits = walk_budget - left;
    plan.walk_visits += visits;
    if (result == StepResult::kHit) ++plan.walk_hits;
    if (sweep && result != StepResult::kFinished) SweepNameParts(books, cursor, visits);
    return result;
}

}  // namespace vendarion
