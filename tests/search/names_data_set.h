// Tiny data sets for the search tests: books given as lists of entries, written with
// the store tests' builders into a temporary folder and opened.
#pragma once

#include <string>
#include <vector>

#include "sample_data_set.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion::test {

struct NameEntry {
    std::string surname{};  // Windows-1252; may be empty
    std::string first_name{};
    int level = 0;  // 0: main entry; a sub-entry belongs to the main entry before it
    std::string street{};
    std::string house_number{};  // one of "1", "10", "12", "2", "3a", or empty
    std::string heading{};
    int call_addition = 0;  // 1 "Fax", 2 "Mobil", 3 "Praxis"; 0 none
    int phone = 0;          // 0: none
};

struct NameBook {
    std::string town{};
    std::vector<NameEntry> entries{};
    // The place, postal code and area code (without its leading zero) of its
    // entries; by default the town name, 10000 + b and 200 + b for book b.
    std::string place{};
    std::int32_t postal_code = 0;
    std::int32_t area_code = 0;
};

// Book b of the result is books[b], listed under its town, postal code and area
// code; its groups (a main entry with its sub-entries) in table order. The
// dictionaries hold the words used (one filler word where none is). Banks and
// countries are the sample data set's.
SampleDataSet MakeNamesDataSet(const std::vector<NameBook>& books);

// A data set written into its own temporary folder and opened; fails the test when
// it cannot be written or opened.
class OpenedDataSet {
public:
    explicit OpenedDataSet(const SampleDataSet& data);
    DataSet& data_set() { return data_set_; }

private:
    TempDir dir_;
    DataSet data_set_;
};

}  // namespace vendarion::test
