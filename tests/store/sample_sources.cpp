#include <cstdio>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "sample_data_set.h"

namespace vendarion::test {
namespace {

// One tab-separated line of UTF-8 fields.
std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line.push_back('\t');
        line += Cp1252ToUtf8(fields[i]);
    }
    return line + "\n";
}

bool Write(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

std::string Word(const std::vector<std::string>& words, std::uint32_t id) {
    return id == 0 ? std::string() : words[id - 1];
}

std::string Index(std::uint8_t value) { return value == 0 ? "" : std::to_string(value - 1); }

std::string Books(const SampleDataSet& data) {
    std::string text;
    for (std::size_t b = 0; b < data.books.size(); ++b) {
        const BookInfo& book = data.books[b];
        text += Line({"book", std::to_string(b), book.name, book.town_postal_code});
        for (std::int32_t code : book.area_codes) {
            text += Line({"area", std::string("0").append(std::to_string(code))});
        }
        for (std::int32_t code : book.postal_codes) {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%05d", code);
            text += Line({"postal", digits});
        }
        for (const std::string& place : book.places) text += Line({"place", place});
    }
    return text;
}

std::string List(const std::vector<ListEntry>& entries) {
    std::string text;
    for (const ListEntry& e : entries) text += Line({e.first, e.second, std::to_string(e.book)});
    return text;
}

std::string Subscribers(const SampleDataSet& data) {
    std::string text;
    for (const TableRecord& r : data.records) {
        std::vector<std::string> fields = {std::to_string(r.book), std::to_string(r.level),
                                           Word(data.surnames, r.surname),
                                           Word(data.first_names, r.first_name)};
        std::string additions = Word(data.name_additions, r.name_additions);
        if (additions.empty()) additions = "\t\t\t\t";
        for (std::size_t start = 0, part = 0; part < 5; ++part) {
            const std::size_t tab = additions.find('\t', start);
            fields.push_back(additions.substr(start, tab - start));
            start = tab == std::string::npos ? additions.size() : tab + 1;
        }
        fields.push_back(Word(data.headings, r.heading));
        fields.push_back(Word(data.streets, r.street));
        fields.push_back(Word(data.house_numbers, r.house_number));
        fields.push_back(Index(r.place));
        fields.push_back(Index(r.postal_code));
        fields.push_back(Index(r.area_code));
        fields.push_back(Word(data.call_additions, r.call_addition));
        fields.push_back(r.phone == 0 ? "" : std::to_string(r.phone));
        fields.push_back(std::to_string(r.extension));
        fields.push_back(r.flag ? "1" : "0");
        text += Line(fields);
    }
    return text;
}

std::string Rows(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) text += Line(row);
    return text;
}

}  // namespace

bool WriteSampleSources(const SampleDataSet& data, const std::string& folder) {
    const std::string dir = folder + "/";
    return Write(dir + "books.tsv", Books(data)) && Write(dir + "towns.tsv", List(data.towns)) &&
           Write(dir + "postalcodes.tsv", List(data.postal_codes)) &&
           Write(dir + "areacodes.tsv", List(data.area_codes)) &&
           Write(dir + "subscribers.tsv", Subscribers(data)) &&
           Write(dir + "countries.tsv", Rows(data.countries)) &&
           Write(dir + "banks.tsv", Rows(data.banks)) && Write(dir + "tips.txt", "Tipp 1\n");
}

}  // namespace vendarion::test
