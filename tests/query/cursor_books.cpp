#include "cursor_books.h"

#include <algorithm>
#include <string>

#include "store_builders.h"

namespace vendarion::test {
namespace {

std::uint32_t IdOf(const std::vector<std::string>& words, const std::string& text) {
    if (text.empty()) return 0;
    const auto it = std::find(words.begin(), words.end(), text);
    return it == words.end() ? 0 : static_cast<std::uint32_t>(it - words.begin() + 1);
}

// The raw record's bytes are unique per record: the phone number is the record number.
int RecordNumber(const RawRecord& record) {
    return static_cast<int>(LoadI32(record.data() + main_table_format::kPhone)) - 1;
}

}  // namespace

std::vector<std::string> CursorSurnames() {
    return SortedByFold({"Aal", "Becker",
                         "B\xE4"
                         "cker",
                         "Hartmann", "Mannheimer", "Mayer", "Maier", "Meier", "MEIER", "Meister",
                         "M\xFCller", "Schmidt", "Schmitt", "Weber", "Zabel"});
}

std::vector<std::string> CursorFirstNames() {
    return SortedByFold({"Anna", "Bernd", "Claudia", "Hans", "Hanna", "Zoe"});
}

std::vector<std::string> CursorStreets() {
    return SortedByFold({"1. Mai", "Hauptstr.",
                         "Hauptstra\xDF"
                         "e",
                         "Lindenweg", "Ringstr."});
}

std::vector<std::string> CursorHeadings() {
    return SortedByFold({"\xC4rzte",
                         "B\xE4"
                         "ckerei",
                         "Friseur"});
}

CursorBooks::CursorBooks(const std::vector<BookEntry>& entries, int sub_name_block,
                         const MemberEdit& edit, int unused_surnames) {
    SampleDataSet data = MakeSampleDataSet();
    data.sub_name_block = sub_name_block;
    data.surnames = CursorSurnames();
    // After "Zabel", the last of the others, so that the dictionary stays sorted.
    for (int n = 0; n < unused_surnames; ++n)
        data.surnames.push_back("Zz" + std::to_string(100000 + n));
    data.first_names = CursorFirstNames();
    data.streets = CursorStreets();
    data.headings = CursorHeadings();
    data.records.clear();
    for (BookInfo& book : data.books) book.entry_count = 0;
    for (const BookEntry& entry : entries) {
        TableRecord r;
        r.book = static_cast<std::uint16_t>(entry.book);
        r.level = static_cast<std::uint8_t>(entry.level);
        r.surname = IdOf(data.surnames, entry.surname);
        r.first_name = IdOf(data.first_names, entry.first_name);
        r.street = IdOf(data.streets, entry.street);
        r.heading = IdOf(data.headings, entry.heading);
        r.phone = static_cast<std::int32_t>(data.records.size()) + 1;
        data.records.push_back(r);
        ++data.books[static_cast<std::size_t>(entry.book)].entry_count;
    }
    records_ = data.records;
    ok_ = WriteSampleDataSet(data, dir_.path(), edit) &&
          data_set_.Open(dir_.path()) == DataSetStep::kComplete;
}

std::vector<int> CursorBooks::Hits(const SearchRequest& request, int book, NameMode mode,
                                   int budget, NamePartWords* carried) {
    std::vector<int> hits;
    SearchCursor cursor = CreateCursor(Books(), request, book, mode, carried);
    RawRecord record{};
    // Each call visits at most budget records, so the calls are bounded by the
    // records of the table times the revisits of sub-entry groups.
    const std::size_t limit = 4 * records_.size() + 16;
    std::size_t calls = 0;
    for (; calls < limit; ++calls) {
        const StepResult result = StepCursor(Books(), &cursor, budget, &record);
        if (result == StepResult::kFinished) break;
        if (result == StepResult::kHit) hits.push_back(RecordNumber(record));
    }
    if (calls == limit) hits.push_back(-1);  // the walk did not end
    if (carried != nullptr) *carried = std::move(cursor.name_words);
    return hits;
}

int CursorBooks::Visits(const SearchRequest& request, int book, NameMode mode) {
    SearchCursor cursor = CreateCursor(Books(), request, book, mode);
    RawRecord record{};
    const int limit = 4 * static_cast<int>(records_.size()) + 16;
    int calls = 0;
    while (StepCursor(Books(), &cursor, 1, &record) != StepResult::kFinished) {
        if (++calls > limit) return -1;
    }
    return calls;
}

bool CursorBooks::Indexed(const SearchRequest& request, int book, NameMode mode) {
    SearchCursor cursor = CreateCursor(Books(), request, book, mode);
    RawRecord record{};
    while (cursor.indexed.sweeping &&
           StepCursor(Books(), &cursor, 1, &record) != StepResult::kFinished) {
    }
    return cursor.indexed.active;
}

SearchRequest Request(std::string surname, std::string first_name, std::string street,
                      std::string heading) {
    return {std::move(surname), std::move(first_name), std::move(street), std::move(heading)};
}

}  // namespace vendarion::test
