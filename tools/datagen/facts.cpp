#include "facts.h"

#include <charconv>

#include "tsv_file.h"

namespace vendarion::datagen {
namespace {

bool ParseNumber(const std::string& text, std::uint32_t* value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, *value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool NumberField(const std::string& path, const std::string& text, std::uint32_t* value,
                 std::string* error) {
    if (ParseNumber(text, value)) return true;
    *error = path + ": not a number: " + text;
    return false;
}

bool LoadGeography(const std::string& dir, Facts* facts, std::string* error) {
    TsvRows rows;
    if (!ReadTsv(dir + "/area_codes.tsv", 5, &rows, error)) return false;
    for (auto& row : rows) facts->area_codes.push_back({row[0], row[2]});
    if (!ReadTsv(dir + "/book_places.tsv", 3, &rows, error)) return false;
    for (auto& row : rows) facts->places.push_back({row[0], row[1], row[2]});
    return true;
}

bool LoadWeighted(const std::string& path, std::vector<WeightedName>* names, std::string* error) {
    TsvRows rows;
    if (!ReadTsv(path, 2, &rows, error)) return false;
    for (auto& row : rows) {
        WeightedName name{row[0], 0};
        if (!NumberField(path, row[1], &name.weight, error)) return false;
        names->push_back(std::move(name));
    }
    return true;
}

bool LoadFirstNames(const std::string& path, Facts* facts, std::string* error) {
    TsvRows rows;
    if (!ReadTsv(path, 3, &rows, error)) return false;
    for (auto& row : rows) {
        FirstName name{row[0], row[1] == "f", 0};
        if (!NumberField(path, row[2], &name.weight, error)) return false;
        facts->first_names.push_back(std::move(name));
    }
    return true;
}

bool LoadHeadings(const std::string& path, Facts* facts, std::string* error) {
    TsvRows rows;
    if (!ReadTsv(path, 6, &rows, error)) return false;
    for (auto& row : rows) {
        Heading heading{row[0], 0, row[2], row[3], row[4], 0};
        std::uint32_t percent = 0;
        if (!NumberField(path, row[1], &heading.weight, error) ||
            !NumberField(path, row[5], &percent, error)) {
            return false;
        }
        heading.title_percent = static_cast<int>(percent);
        facts->headings.push_back(std::move(heading));
    }
    return true;
}

}  // namespace

bool LoadFacts(const std::string& dir, Facts* facts, std::string* error) {
    *facts = Facts();
    TsvRows rows;
    if (!LoadGeography(dir, facts, error) ||
        !LoadWeighted(dir + "/surnames.tsv", &facts->surnames, error) ||
        !LoadFirstNames(dir + "/first_names.tsv", facts, error) ||
        !LoadHeadings(dir + "/headings.tsv", facts, error) ||
        !LoadWeighted(dir + "/streets_common.tsv", &facts->common_streets, error) ||
        !ReadTsv(dir + "/streets_faker.tsv", 1, &rows, error)) {
        return false;
    }
    for (auto& row : rows) facts->more_streets.push_back(row[0]);
    return ReadTsv(dir + "/countries.tsv", 3, &facts->countries, error) &&
           ReadTsv(dir + "/banks.tsv", 4, &facts->banks, error) &&
           ReadLines(dir + "/tips.txt", &facts->tips, error);
}

}  // namespace vendarion::datagen
