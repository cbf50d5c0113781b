#include "query/indexed_groups.h"

#include <algorithm>

#include "query/search_cursor.h"
#include "store/book_list.h"
#include "store/main_table_format.h"

namespace vendarion {
namespace {

namespace fmt = main_table_format;

// Namensteile: the walk runs alone for kSweepDelay visits or until its first hit;
// then the sweep decides kSweepPace surname words for each record that the walk
// visits, so that a common text's hits still come at once while the sweep soon ends.
// A record visit costs about as much as deciding kWordsPerVisit words (Berlin: about
// 100 ns a record, 15 ns a word), and the sweep is started only where it costs at most
// half of walking the whole book. When the surnames that contain the text are so many
// that the indexed walk would cost more than the walk, the sweep stops and the book is
// walked: a matching word costs the indexed walk about as much as kRecordsPerLookup
// record visits (its key lookup, and its groups' blocks, which lie ever closer
// together). Measured to the end of Berlin's book (1.89 M records): the two cost the
// same at about 10,500 matching words, the index 0.61 of the walk at 1,500 words and
// 1.03 to 1.5 times the walk from 11,700 to 157,000 words.
constexpr std::int64_t kSweepPace = 16;
constexpr std::int64_t kWordsPerVisit = 6;
constexpr int kSweepDelay = 4096;
constexpr std::int64_t kRecordsPerLookup = 180;
// A list shows at most kListedHits hits (the window's result list, a directory
// server's client), so the sweep pays off only where the walk would take longer to
// find them than the rest of the sweep and the indexed walk after it, which costs
// about as much again when each hit lies in a block of its own.
constexpr std::int64_t kListedHits = 1000;
constexpr std::int64_t kSweepAndIndex = 2;

bool IsMain(ByteView record) { return (record.data()[fmt::kFlags] & fmt::kLevelMask) == 0; }

int BookOf(ByteView record) { return LoadU16(record.data() + fmt::kBook); }

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

bool Wanted(BookList& books, SearchCursor& cursor, std::uint32_t surname) {
    if (cursor.mode == NameMode::kNameParts) {
        return cursor.name_words.Contains(books.Surnames(), surname);
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
    const std::vector<std::uint32_t>& ids = cursor->name_words.Ids();
    const auto next = std::upper_bound(ids.begin(), ids.end(), surname);
    if (next == ids.end()) return -1;
    if (*next != plan.found_id || (plan.found_main >= 0 && plan.found_main <= cursor->position)) {
        plan.found_id = *next;
        plan.found_main = table.Find(cursor->book, static_cast<int>(*next) - 1, -2);
    }
    return plan.found_main;
}

bool TooManyWords(BookList& books, const SearchCursor& cursor) {
    return static_cast<std::int64_t>(cursor.name_words.Ids().size()) * kRecordsPerLookup >
           books.Books().EntryCount(cursor.book);
}

// Namensteile, every word decided: the index's groups of the matching ids, unless
// they are so many that the walk costs less.
void PlanNameParts(BookList& books, SearchCursor* cursor) {
    if (TooManyWords(books, *cursor)) return;
    IndexedGroups plan;
    if (!books.SubNames().Collect(cursor->book, SpansOf(cursor->name_words.Ids()), &plan.subs)) {
        return;
    }
    plan.active = true;
    cursor->indexed = std::move(plan);
}

}  // namespace

void PlanIndexedGroups(BookList& books, SearchCursor* cursor) {
    if (!cursor->surname_present || cursor->position < 0 ||
        !books.SubNames().Covers(cursor->book)) {
        return;
    }
    switch (cursor->mode) {
        case NameMode::kNormalComplete:
        case NameMode::kExactComplete: {
            IndexedGroups plan;
            const std::vector<IdSpan> spans = {
                {static_cast<std::uint32_t>(cursor->name_range.low) + 1,
                 static_cast<std::uint32_t>(cursor->name_range.high) + 1}};
            plan.range_start = books.Table().Find(cursor->book, cursor->name_range.low, -2);
            if (!books.SubNames().Collect(cursor->book, spans, &plan.subs)) return;
            plan.active = true;
            cursor->indexed = std::move(plan);
            return;
        }
        case NameMode::kNameParts:
            if (cursor->name_words.Swept()) {
                PlanNameParts(books, cursor);
            } else {
                cursor->indexed.sweeping =
                    !TooManyWords(books, *cursor) &&
                    cursor->name_words.Unswept() <=
                        books.Books().EntryCount(cursor->book) * kWordsPerVisit / 2;
            }
            return;
        case NameMode::kNormal:
        case NameMode::kExact:
        case NameMode::kPhonetic:
            return;
    }
}

bool WalkGoesAlone(const SearchCursor& cursor) {
    const IndexedGroups& plan = cursor.indexed;
    if (plan.walk_hits == 0) return plan.walk_visits < kSweepDelay;
    const std::int64_t wanted = std::max<std::int64_t>(kListedHits - plan.walk_hits, 0);
    const std::int64_t visits = wanted * plan.walk_visits / plan.walk_hits;
    return visits * kWordsPerVisit < cursor.name_words.Unswept() * kSweepAndIndex;
}

void SweepNameParts(BookList& books, SearchCursor* cursor, int visits) {
    NamePartWords& words = cursor->name_words;
    const std::int64_t count =
        std::min<std::int64_t>(std::max(visits, 1) * kSweepPace, words.Unswept());
    const bool swept = words.Sweep(books.Surnames(), static_cast<int>(count));
    if (swept || TooManyWords(books, *cursor)) {
        cursor->indexed.sweeping = false;
        PlanNameParts(books, cursor);
    }
}

GroupChoice ChooseGroup(BookList& books, SearchCursor* cursor, std::uint32_t main_surname) {
    if (Wanted(books, *cursor, main_surname)) return GroupChoice::kVisit;
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
