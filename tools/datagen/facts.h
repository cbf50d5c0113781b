// The facts behind the generated data, read from the text files of data/: real
// places, area codes, countries and banks, and the weighted name, street and
// heading lists that invented subscribers are drawn from. All texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendarion::datagen {

struct AreaCode {
    std::string code;       // with its leading zero
    std::string book_name;  // the book of this area code is named so
};

// One town under one postal code in the book of an area code.
struct Place {
    std::string area_code;
    std::string town;
    std::string postal_code;  // empty when the place's postal code is not known
};

struct WeightedName {
    std::string name;
    std::uint32_t weight = 0;
};

struct FirstName {
    std::string name;
    bool female = false;
    std::uint32_t weight = 0;
};

struct Heading {
    std::string name;
    std::uint32_t weight = 0;
    // Business name with {S} for a surname and {O} for the book's main town; empty
    // when the business is listed under its owner's name.
    std::string pattern;
    std::string call_addition;  // of the main entry, may be empty
    std::string title;          // put before the owner's first name, may be empty
    int title_percent = 0;
};

struct Facts {
    std::vector<AreaCode> area_codes;  // in book order
    std::vector<Place> places;         // grouped by area code, in file order
    std::vector<WeightedName> surnames;
    std::vector<FirstName> first_names;
    std::vector<Heading> headings;
    std::vector<WeightedName> common_streets;
    std::vector<std::string> more_streets;
    std::vector<std::vector<std::string>> countries;  // code, mark, name
    std::vector<std::vector<std::string>> banks;      // code, name, postal code, town
    std::vector<std::string> tips;
};

// Reads every facts file from dir. False with a message naming file and line
// when a file is missing or a line does not have the expected fields.
[[nodiscard]] bool LoadFacts(const std::string& dir, Facts* facts, std::string* error);

}  // namespace vendarion::datagen
