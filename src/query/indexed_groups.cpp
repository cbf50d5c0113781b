#include "query/indexed_groups.h"

#include <algorithm>

#include "base/ascii_text.h"
#include "query/search_cursor.h"
#include "store/book_list.h"
#include "store/main_table_format.h"

namespace vendarion {
namespace {

namespace fmt = main_table_format;

// Namensteile decides every surname of the dictionary before the search, and the
// walk finds the first hit of a common text at once: the index is used only for a
// book with at least this many records for each word of the dictionary, so that
// deciding the words costs little against walking the book. A book where the
// surnames that contain the text are so many that positioning at each of them (a key
// lookup costs about as much as visiting kRecordsPerLookup records) passes the cost
// of the walk is walked too.
constexpr std::int64_t kRecordsPerWord = 8;
constexpr std::int64_t kRecordsPerLookup = 32;

bool IsMain(ByteView record) { return (record.data()[fmt::kFlags] & fmt::kLevelMask) == 0; }

int BookOf(ByteView record) { return LoadU16(record.data() + fmt::kBook); }

// The surname ids whose words contain the cursor's lowered text; false when the walk
// is cheaper for this book.
bool MatchingIds(BookList& books, const SearchCursor& cursor, std::vector<std::uint32_t>* ids) {
    FieldDictionary& surnames = books.Surnames();
    const std::int64_t records = books.Books().EntryCount(cursor.book);
    if (records < kRecordsPerWord * surnames.Count()) return false;
    for (int word = 0; word < surnames.Count(); ++word) {
        if (!LoweredContains(surnames.Word(word), cursor.lowered_name)) continue;
        ids->push_back(static_cast<std::uint32_t>(word) + 1);
        if (static_cast<std::int64_t>(ids->size()) * kRecordsPerLookup > records) return false;
    }
    return true;
}

// The ids as spans of consecutive ids.
std::vector<IdSpan> SpansOf(const std::vector<std::uint32_t>& ids) {
    std::vector<IdSpan> spans;
    for (const std::uint32_t id : ids) {
        if (!spans.empty() && spans.back().last + 1 == id) {
            spans.back().last = id;
        } else {
            spans.push_back({id, id});
        }
    }
    return spans;
}

bool Wanted(const SearchCursor& cursor, std::uint32_t surname) {
    if (cursor.mode == NameMode::kNameParts) {
        return std::binary_search(cursor.indexed.ids.begin(), cursor.indexed.ids.end(), surname);
    }
    return static_cast<std::int64_t>(cursor.name_range.low) + 1 <= surname &&
           surname <= static_cast<std::int64_t>(cursor.name_range.high) + 1;
}

// The main entry of the next group that holds a listed sub-entry, at or after the
// main entry at floor; -1 when none. Listed positions that are no sub-entry of the
// book are passed over.
int NextSubGroup(MainTable& table, SearchCursor* cursor, int floor) {
    IndexedGroups& plan = cursor->indexed;
    for (; plan.next_sub < plan.subs.size(); ++plan.next_sub) {
        const int sub = plan.subs[plan.next_sub];
        if (sub <= floor) continue;
        const ByteView record = table.Record(sub);
        if (record.empty() || BookOf(record) != cursor->book || IsMain(record)) continue;
        for (int n = sub - 1; n > floor; --n) {
            const ByteView above = table.Record(n);
            if (above.empty()) return -1;
            if (IsMain(above)) return n;
        }
        return floor;
    }
    return -1;
}

// The next main entry after the one with this surname whose surname matches (or the
// first main entry of a later surname); -1 when none.
int NextWantedMain(MainTable& table, SearchCursor* cursor, std::uint32_t surname) {
    IndexedGroups& plan = cursor->indexed;
    if (cursor->mode != NameMode::kNameParts) {
        return surname < static_cast<std::int64_t>(cursor->name_range.low) + 1 ? plan.range_start
                                                                               : -1;
    }
    const auto next = std::upper_bound(plan.ids.begin(), plan.ids.end(), surname);
    if (next == plan.ids.end()) return -1;
    if (*next != plan.found_id || (plan.found_main >= 0 && plan.found_main <= cursor->position)) {
        plan.found_id = *next;
        plan.found_main = table.Find(cursor->book, static_cast<int>(*next) - 1, -2);
    }
    return plan.found_main;
}

}  // namespace

void PlanIndexedGroups(BookList& books, SearchCursor* cursor) {
    if (!cursor->surname_present || cursor->position < 0 ||
        !books.SubNames().Covers(cursor->book)) {
        return;
    }
    IndexedGroups plan;
    std::vector<IdSpan> spans;
    switch (cursor->mode) {
        case NameMode::kNormalComplete:
        case NameMode::kExactComplete:
            spans.push_back({static_cast<std::uint32_t>(cursor->name_range.low) + 1,
                             static_cast<std::uint32_t>(cursor->name_range.high) + 1});
            plan.range_start = books.Table().Find(cursor->book, cursor->name_range.low, -2);
            break;
        case NameMode::kNameParts:
            if (!MatchingIds(books, *cursor, &plan.ids)) return;
            spans = SpansOf(plan.ids);
            break;
        case NameMode::kNormal:
        case NameMode::kExact:
        case NameMode::kPhonetic:
            return;
    }
    if (!books.SubNames().Collect(cursor->book, spans, &plan.subs)) return;
    plan.active = true;
    cursor->indexed = std::move(plan);
}

GroupChoice ChooseGroup(BookList& books, SearchCursor* cursor, std::uint32_t main_surname) {
    if (Wanted(*cursor, main_surname)) return GroupChoice::kVisit;
    MainTable& table = books.Table();
    const int here = cursor->position;
    const int sub_group = NextSubGroup(table, cursor, here);
    if (sub_group == here) return GroupChoice::kVisit;
    const int main_group = NextWantedMain(table, cursor, main_surname);
    int next = main_group;
    if (sub_group >= 0 && (main_group < 0 || sub_group < main_group)) next = sub_group;
    if (next < 0) return GroupChoice::kFinished;
    // A damaged table could send the walk back; never let it go round in a circle.
    cursor->position = std::max(next, here + 1);
    return GroupChoice::kJump;
}

}  // namespace vendarion
