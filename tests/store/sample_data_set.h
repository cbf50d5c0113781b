// A small but complete data set, written by the test-side builders: three books,
// more than 1024 subscriber records (so the table has two blocks and an index
// level), dictionaries of more than 64 words, and every relation index and table.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store_builders.h"

namespace vendarion::test {

struct SampleDataSet {
    std::vector<ListEntry> towns;
    std::vector<ListEntry> postal_codes;
    std::vector<ListEntry> area_codes;
    std::vector<BookInfo> books;
    // Words of the seven dictionaries, sorted by folded form.
    std::vector<std::string> surnames;
    std::vector<std::string> first_names;
    std::vector<std::string> streets;
    std::vector<std::string> headings;
    std::vector<std::string> call_additions;
    std::vector<std::string> house_numbers;
    std::vector<std::string> name_additions;
    std::vector<TableRecord> records;  // in table order
    std::vector<std::vector<std::string>> countries;
    std::vector<std::vector<std::string>> banks;
    int list_block = 2;
    int fan_out = 2;
    // Pairs to a block of the index of sub-entry surnames; 0 leaves the index out.
    int sub_name_block = 3;
};

SampleDataSet MakeSampleDataSet();

// Lets a test change or drop a member before it is written: called with the
// archive file name, the member name and its bytes; return false to drop it.
using MemberEdit =
    std::function<bool(const std::string& archive, const std::string& member, std::string* bytes)>;

// Writes Index.mf, Code.mf, List.mf and Data.mf into folder; false on a write error.
bool WriteSampleDataSet(const SampleDataSet& data, const std::string& folder,
                        const MemberEdit& edit = {});

// Writes the same data as source files of the data compiler (books.tsv, towns.tsv,
// postalcodes.tsv, areacodes.tsv, subscribers.tsv, countries.tsv, banks.tsv,
// tips.txt; UTF-8) into folder, so that the compiler's output can be compared with
// the builders'. False on a write error.
bool WriteSampleSources(const SampleDataSet& data, const std::string& folder);

}  // namespace vendarion::test
