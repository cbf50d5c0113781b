#include "names_data_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "base/fold_text.h"

namespace vendarion::test {
namespace {

// The words of one field, sorted as a dictionary; a filler word when none is used.
std::vector<std::string> Words(const std::vector<NameBook>& books, std::string NameEntry::*field) {
    std::set<std::string> words;
    for (const NameBook& book : books) {
        for (const NameEntry& entry : book.entries) {
            if (!(entry.*field).empty()) words.insert(entry.*field);
        }
    }
    if (words.empty()) words.insert("Platzhalter");
    return SortedByFold({words.begin(), words.end()});
}

std::uint32_t Id(const std::vector<std::string>& words, const std::string& word) {
    if (word.empty()) return 0;
    const auto it = std::find(words.begin(), words.end(), word);
    return it == words.end() ? 0 : static_cast<std::uint32_t>(it - words.begin() + 1);
}

TableRecord Record(const SampleDataSet& data, int book, const NameEntry& entry) {
    TableRecord r;
    r.book = static_cast<std::uint16_t>(book);
    r.place = 1;
    r.postal_code = 1;
    r.area_code = 1;
    r.level = static_cast<std::uint8_t>(entry.level);
    r.call_addition = static_cast<std::uint8_t>(entry.call_addition);
    r.surname = Id(data.surnames, entry.surname);
    r.first_name = Id(data.first_names, entry.first_name);
    r.street = Id(data.streets, entry.street);
    r.heading = Id(data.headings, entry.heading);
    r.house_number = static_cast<std::uint16_t>(Id(data.house_numbers, entry.house_number));
    r.phone = entry.phone;
    return r;
}

// The records of one book: each main entry with its sub-entries, the groups sorted
// by surname and first-name id (stable).
std::vector<TableRecord> BookRecords(const SampleDataSet& data, int b, const NameBook& book) {
    std::vector<std::vector<TableRecord>> groups;
    for (const NameEntry& entry : book.entries) {
        if (entry.level == 0 || groups.empty()) groups.emplace_back();
        groups.back().push_back(Record(data, b, entry));
    }
    std::stable_sort(groups.begin(), groups.end(), [](const auto& x, const auto& y) {
        return std::pair(x[0].surname, x[0].first_name) < std::pair(y[0].surname, y[0].first_name);
    });
    std::vector<TableRecord> records;
    for (const auto& group : groups) records.insert(records.end(), group.begin(), group.end());
    return records;
}

void SortList(std::vector<ListEntry>* list, bool folded) {
    std::stable_sort(list->begin(), list->end(), [&](const ListEntry& x, const ListEntry& y) {
        return folded ? CompareFolded(FoldText(x.first), FoldText(y.first), -1) < 0
                      : x.first < y.first;
    });
}

}  // namespace

SampleDataSet MakeNamesDataSet(const std::vector<NameBook>& books) {
    SampleDataSet data = MakeSampleDataSet();
    data.surnames = Words(books, &NameEntry::surname);
    data.first_names = Words(books, &NameEntry::first_name);
    data.streets = Words(books, &NameEntry::street);
    data.headings = Words(books, &NameEntry::heading);
    data.towns.clear();
    data.postal_codes.clear();
    data.area_codes.clear();
    data.books.clear();
    data.records.clear();
    for (std::size_t b = 0; b < books.size(); ++b) {
        const int book = static_cast<int>(b);
        const NameBook& source = books[b];
        const std::int32_t postal_number =
            source.postal_code != 0 ? source.postal_code : 10000 + book;
        const std::int32_t area_number = source.area_code != 0 ? source.area_code : 200 + book;
        char postal_text[8];
        std::snprintf(postal_text, sizeof postal_text, "%05d", static_cast<int>(postal_number));
        const std::string postal_code = postal_text;
        const std::string area_code = "0" + std::to_string(area_number);
        data.towns.push_back({books[b].town, postal_code, book});
        data.postal_codes.push_back({postal_code, books[b].town, book});
        data.area_codes.push_back({area_code, books[b].town, book});
        const std::string place = books[b].place.empty() ? books[b].town : books[b].place;
        const std::vector<TableRecord> records = BookRecords(data, book, books[b]);
        data.books.push_back({static_cast<std::int32_t>(records.size()),
                              books[b].town,
                              postal_code,
                              {area_number},
                              {postal_number},
                              {place}});
        data.records.insert(data.records.end(), records.begin(), records.end());
    }
    SortList(&data.towns, true);
    SortList(&data.postal_codes, false);
    SortList(&data.area_codes, false);
    return data;
}

OpenedDataSet::OpenedDataSet(const SampleDataSet& data) {
    EXPECT_TRUE(WriteSampleDataSet(data, dir_.path()));
    EXPECT_EQ(data_set_.Open(dir_.path()), DataSetStep::kComplete);
}

}  // namespace vendarion::test
