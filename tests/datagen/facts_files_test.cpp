// The committed facts files: well-formed codes, Windows-1252 texts, no duplicates,
// and texts that fit the records they end up in.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "facts.h"
#include "tsv_file.h"

namespace vendarion::datagen {
namespace {

const std::string kDir = VENDARION_FACTS_DIR;

TsvRows Read(const std::string& name, std::size_t fields) {
    TsvRows rows;
    std::string error;
    EXPECT_TRUE(ReadTsv(kDir + "/" + name, fields, &rows, &error)) << error;
    return rows;
}

std::size_t Cp1252Length(const std::string& text) {
    std::string bytes;
    EXPECT_TRUE(Utf8ToCp1252(text, &bytes)) << "no Windows-1252 form: " << text;
    return bytes.size();
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}
bool IsPostalCode(const std::string& text) { return text.size() == 5 && AllDigits(text); }
bool IsAreaCode(const std::string& text) {
    return text.size() >= 3 && text.size() <= 9 && AllDigits(text) && text[0] == '0' &&
           text[1] != '0';
}

TEST(FactsFiles, EveryTextHasAWindows1252Form) {
    const std::pair<const char*, std::size_t> files[] = {
        {"area_codes.tsv", 5}, {"book_places.tsv", 3},    {"banks.tsv", 4},
        {"countries.tsv", 3},  {"surnames.tsv", 2},       {"first_names.tsv", 3},
        {"headings.tsv", 6},   {"streets_common.tsv", 2}, {"streets_faker.tsv", 1}};
    for (const auto& [name, fields] : files) {
        for (const auto& row : Read(name, fields)) {
            for (const std::string& field : row) Cp1252Length(field);
        }
    }
    std::vector<std::string> tips;
    std::string error;
    ASSERT_TRUE(ReadLines(kDir + "/tips.txt", &tips, &error)) << error;
    for (const std::string& tip : tips) Cp1252Length(tip);
}

TEST(FactsFiles, AreaCodesAndPlacesAreWellFormed) {
    std::set<std::string> codes;
    for (const auto& row : Read("area_codes.tsv", 5)) {
        EXPECT_TRUE(IsAreaCode(row[0])) << row[0];
        EXPECT_TRUE(codes.insert(row[0]).second) << "duplicate " << row[0];
        EXPECT_FALSE(row[2].empty());
        EXPECT_LE(Cp1252Length(row[2]), 75u) << row[2];
    }
    EXPECT_GT(codes.size(), 5000u);
    EXPECT_EQ(codes.count("06215"), 0u) << "sub-ranges of 0621 are dropped";
    std::map<std::string, std::pair<std::set<std::string>, std::set<std::string>>> books;
    for (const auto& row : Read("book_places.tsv", 3)) {
        EXPECT_TRUE(codes.count(row[0])) << "unknown area code " << row[0];
        EXPECT_TRUE(row[2].empty() || IsPostalCode(row[2])) << row[2];
        EXPECT_LE(Cp1252Length(row[1]), 81u);
        EXPECT_EQ(row[1].find(" - "), std::string::npos) << "second name kept: " << row[1];
        books[row[0]].first.insert(row[1]);
        books[row[0]].second.insert(row[2]);
    }
    EXPECT_EQ(books.size(), codes.size()) << "every area code has a book with places";
    for (const auto& [code, arrays] : books) {
        EXPECT_LE(arrays.first.size(), 255u) << code;
        EXPECT_LE(arrays.second.size(), 255u) << code;
    }
}

TEST(FactsFiles, EveryBookStartsWithItsOwnPlace) {
    // The first place of a book is the town its area code names; a district or a
    // place that is no town of the postal list goes by the area code's own name.
    std::map<std::string, std::string> own_place;
    for (const auto& row : Read("area_codes.tsv", 5)) {
        own_place[row[0]] = row[4] == "town" ? row[3] : row[1];
        EXPECT_EQ(row[4] == "none", row[3].empty()) << row[0];
    }
    std::set<std::string> seen;
    std::map<std::string, std::set<std::string>> codes_of_book;
    for (const auto& row : Read("book_places.tsv", 3)) {
        if (seen.insert(row[0]).second) {
            EXPECT_EQ(row[1], own_place[row[0]]) << row[0];
        }
        codes_of_book[row[0]].insert(row[2]);
    }
    // Places that no source gives a postal code keep none rather than a neighbour's.
    EXPECT_EQ(codes_of_book["02204"], (std::set<std::string>{""})) << "Bensberg";
    EXPECT_EQ(codes_of_book["02203"], (std::set<std::string>{""})) << "the Porz book";
    EXPECT_EQ(codes_of_book["033051"].count("16515"), 1u) << "Nassenheide";
}

TEST(FactsFiles, BanksHaveOneMainRecordPerCode) {
    std::set<std::string> codes;
    const TsvRows rows = Read("banks.tsv", 4);
    EXPECT_GT(rows.size(), 3000u);
    for (const auto& row : rows) {
        EXPECT_TRUE(row[0].size() == 8 && AllDigits(row[0])) << row[0];
        EXPECT_TRUE(codes.insert(row[0]).second) << "duplicate bank code " << row[0];
        EXPECT_LE(Cp1252Length(row[1]), 59u);
        EXPECT_TRUE(row[2].empty() || IsPostalCode(row[2])) << row[2];
        EXPECT_LE(Cp1252Length(row[3]), 29u);
    }
}

TEST(FactsFiles, CountriesFitTheirRecord) {
    const TsvRows rows = Read("countries.tsv", 3);
    EXPECT_GT(rows.size(), 240u);
    for (const auto& row : rows) {
        EXPECT_TRUE(row[0].size() <= 7 && AllDigits(row[0]) && row[0].rfind("00", 0) == 0 &&
                    row[0][2] != '0')
            << row[0];
        EXPECT_LE(row[1].size(), 2u);
        EXPECT_LE(Cp1252Length(row[2]), 31u) << row[2];
    }
}

TEST(FactsFiles, NameListsAreWeightedAndSized) {
    Facts facts;
    std::string error;
    ASSERT_TRUE(LoadFacts(kDir, &facts, &error)) << error;
    ASSERT_EQ(facts.surnames.size(), 3000u);
    EXPECT_EQ(facts.surnames[0].name, "Müller");
    double total = 0;
    for (std::size_t i = 0; i < facts.surnames.size(); ++i) {
        total += facts.surnames[i].weight;
        if (i > 0) {
            EXPECT_LE(facts.surnames[i].weight, facts.surnames[i - 1].weight);
        }
    }
    EXPECT_NEAR(facts.surnames[0].weight / total, 0.01, 0.002);
    EXPECT_GE(facts.headings.size(), 150u);
    EXPECT_LE(facts.headings.size(), 200u);
    EXPECT_GE(facts.tips.size(), 20u);
    std::set<bool> sexes;
    for (const FirstName& name : facts.first_names) sexes.insert(name.female);
    EXPECT_EQ(sexes.size(), 2u);
}

}  // namespace
}  // namespace vendarion::datagen
