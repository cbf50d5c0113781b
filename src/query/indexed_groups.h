// The indexed walk of the komplett modes and of Namensteile: instead of every record
// of the book, only the groups (a main entry with its sub-entries) that can hold a
// hit are visited, in table order: those whose main entry's surname matches, found
// by the table's key, and those holding a sub-entry whose own surname matches, found
// by the index of sub-entry surnames. Each visited group is judged record by record
// exactly as the walk judges it, so the hits and their order are the walk's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vendarion {

class BookList;
struct SearchCursor;

struct IndexedGroups {
    bool active = false;  // false: the cursor walks the whole book
    // Namensteile: the surname words are being swept (a share of each step), and the
    // cursor walks until the sweep has listed the words that contain the text.
    bool sweeping = false;
    // The walk's record visits and hits in this book so far: the sweep waits for the
    // first hit (or a number of visits without one), and while hits come so densely
    // that the walk will list a search's hits before the sweep could end.
    std::int64_t walk_visits = 0;
    int walk_hits = 0;
    // Table positions of the book's sub-entries whose own surname matches, ascending.
    std::vector<int> subs;
    std::size_t next_sub = 0;  // the first of subs not yet behind the walk
    // Komplett modes: the first main entry at or after the surname range.
    int range_start = -1;
    // Namensteile: the main entry the table's key gave for the id last looked up.
    std::uint32_t found_id = 0;
    int found_main = -1;

    std::size_t Bytes() const { return subs.capacity() * sizeof(int); }
};

// Plans the indexed walk for a cursor of mode kNormalComplete, kExactComplete or
// kNameParts whose ranges are set, when the data has the index of sub-entry surnames
// and it covers the book. Without it, or when the index fails, the plan stays
// inactive. Namensteile first sweeps the surname words, where that costs little
// against walking the book, and uses the index once the sweep shows that few enough
// words contain the text.
void PlanIndexedGroups(BookList& books, SearchCursor* cursor);

// For a sweeping plan: whether the walk goes alone this step, because its first hit
// has not come yet, or because at the rate its hits have come in this book it will
// find the hits a list shows at less cost than the rest of the sweep.
bool WalkGoesAlone(const SearchCursor& cursor);

// For a sweeping plan: sweeps for as many record visits (at least one), and
// activates the plan when the sweep ends.
void SweepNameParts(BookList& books, SearchCursor* cursor, int visits);

enum class GroupChoice {
    kVisit,     // the group of the main entry at the cursor's position is visited
    kJump,      // the cursor's position moved to the next group to visit
    kFinished,  // no group of the book is left
};

// For an active plan, at the main entry at the cursor's position whose surname id is
// main_surname. May read other records of the table.
GroupChoice ChooseGroup(BookList& books, SearchCursor* cursor, std::uint32_t main_surname);

}  // namespace vendarion
