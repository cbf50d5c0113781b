#include "table_compiler.h"

#include <algorithm>
#include <utility>

#include "main_table_writer.h"

namespace vendarion::mkdata {
namespace {

const DictionaryField& Field(int d) { return kDictionaryFields[d]; }

TableKey KeyOf(const Record& record) {
    return {RecordBook(record), static_cast<std::int32_t>(GetId(record, Field(kSurnames))),
            static_cast<std::int32_t>(GetId(record, Field(kFirstNames)))};
}

std::uint64_t PackedKey(const TableKey& key) {
    return (static_cast<std::uint64_t>(key.book) << 48) |
           (static_cast<std::uint64_t>(key.surname) << 24) |
           static_cast<std::uint64_t>(key.first_name);
}

// Group numbers (indexes into main_starts) in table order.
std::vector<std::uint32_t> SortedGroups(const SubscriberData& data) {
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(data.main_starts.size());
    for (std::size_t g = 0; g < keyed.size(); ++g) {
        keyed[g] = {PackedKey(KeyOf(data.records[data.main_starts[g]])),
                    static_cast<std::uint32_t>(g)};
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> groups(keyed.size());
    for (std::size_t i = 0; i < keyed.size(); ++i) groups[i] = keyed[i].second;
    return groups;
}

void SortUnique(std::vector<std::uint32_t>* ids) {
    std::sort(ids->begin(), ids->end());
    ids->erase(std::unique(ids->begin(), ids->end()), ids->end());
}

// Gathers, per book, what the relation indexes and the book data need.
class BookCollector {
public:
    BookCollector(std::size_t book_count, TableProducts* products) : products_(products) {
        products_->entry_counts.assign(book_count, 0);
        products_->streets.assign(book_count, {});
        products_->headings.assign(book_count, {});
        products_->sub_names.assign(book_count, {});
    }
    ~BookCollector() { CloseBook(); }

    // Adds the record at table position; main_surname is its main entry's surname id.
    void Add(const Record& record, std::uint32_t position, std::uint32_t main_surname) {
        const int book = RecordBook(record);
        if (book != book_) {
            CloseBook();
            book_ = book;
        }
        ++products_->entry_counts[book];
        if (const std::uint32_t id = GetId(record, Field(kStreets)))
            products_->streets[book].push_back(id);
        if (const std::uint32_t id = GetId(record, Field(kHeadings)))
            products_->headings[book].push_back(id);
        // Every surname counts, a sub-entry's too: the complete name modes find
        // sub-entries, so the books they are in must be listed for the name.
        const std::uint32_t surname = GetId(record, Field(kSurnames));
        if (surname == 0) return;
        surnames_.push_back(surname);
        // A sub-entry under its main entry's surname is found with the main entry.
        if (surname != main_surname) {
            products_->sub_names[book].push_back((static_cast<std::uint64_t>(surname) << 32) |
                                                 position);
        }
    }

private:
    void CloseBook() {
        if (book_ < 0) return;
        SortUnique(&products_->streets[book_]);
        SortUnique(&products_->headings[book_]);
        SortUnique(&surnames_);
        std::sort(products_->sub_names[book_].begin(), products_->sub_names[book_].end());
        for (const std::uint32_t id : surnames_) {
            products_->name_pairs.push_back((static_cast<std::uint64_t>(id) << 16) |
                                            static_cast<std::uint64_t>(book_));
        }
        surnames_.clear();
    }

    TableProducts* products_;
    int book_ = -1;
    std::vector<std::uint32_t> surnames_;  // of the current book
};

}  // namespace

void RenumberRecords(const std::array<SortedWords, kDictionaryCount>& sorted,
                     SubscriberData* data) {
    for (Record& record : data->records) {
        for (int d = 0; d < kDictionaryCount; ++d) {
            const std::uint32_t id = GetId(record, Field(d));
            if (id != 0) SetId(&record, Field(d), sorted[d].number_of[id - 1] + 1);
        }
    }
}

bool WriteSubscriberTable(const SubscriberData& data, std::size_t book_count, int fan_out,
                          int zlib_level, ArchiveWriter* archive, TableProducts* products,
                          std::string* error) {
    MainTableWriter table(archive, zlib_level);
    if (!table.Begin()) return *error = table.Error(), false;
    {
        BookCollector collector(book_count, products);
        const std::vector<std::uint32_t> groups = SortedGroups(data);
        for (const std::uint32_t g : groups) {
            const std::size_t begin = data.main_starts[g];
            const std::size_t end =
                g + 1 < data.main_starts.size() ? data.main_starts[g + 1] : data.records.size();
            const TableKey key = KeyOf(data.records[begin]);
            for (std::size_t r = begin; r < end; ++r) {
                collector.Add(data.records[r], table.RecordCount(),
                              static_cast<std::uint32_t>(key.surname));
                if (!table.Add(data.records[r], key)) return *error = table.Error(), false;
            }
        }
    }
    if (!table.Finish()) return *error = table.Error(), false;
    std::sort(products->name_pairs.begin(), products->name_pairs.end());
    products->index_member = BuildTableIndex(table.RecordCount(), table.Leaves(), fan_out);
    return true;
}

}  // namespace vendarion::mkdata
