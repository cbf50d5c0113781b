// Reading countries.tsv, banks.tsv and tips.txt, and the whole source folder.
#include <string>

#include "field_checks.h"
#include "source_reader.h"

namespace vendarion::mkdata {

bool ReadCountries(LineReader* reader, std::vector<Country>* countries) {
    std::vector<std::string_view> fields;
    for (;;) {
        const LineReader::Result result = reader->NextRecord(&fields);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError) return false;
        if (!ExpectFields(reader, fields, 3) ||
            !ExpectLength(reader, fields[0], 7, "dialling code") ||
            !ExpectLength(reader, fields[1], 2, "country mark") ||
            !ExpectLength(reader, fields[2], 31, "country name")) {
            return false;
        }
        countries->push_back(
            {std::string(fields[0]), std::string(fields[1]), std::string(fields[2])});
    }
}

bool ReadBanks(LineReader* reader, std::vector<Bank>* banks) {
    std::vector<std::string_view> fields;
    for (;;) {
        const LineReader::Result result = reader->NextRecord(&fields);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError) return false;
        if (!ExpectFields(reader, fields, 4)) return false;
        if (!IsDigits(fields[0], 8)) return reader->Fail("sort code must be 8 digits");
        if (!IsDigits(fields[2], 5)) return reader->Fail("postal code must be 5 digits");
        if (!ExpectLength(reader, fields[1], 59, "bank name") ||
            !ExpectLength(reader, fields[3], 29, "town")) {
            return false;
        }
        banks->push_back({std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                          std::string(fields[3])});
    }
}

bool ReadTips(LineReader* reader, std::vector<std::string>* tips) {
    std::string_view line;
    for (;;) {
        const LineReader::Result result = reader->NextLine(&line);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError) return false;
        tips->emplace_back(line);
    }
}

bool ReadSources(const std::string& dir, SourceData* data, std::string* error) {
    const auto open = [&](const char* name, LineReader* reader) {
        if (reader->Open(dir + "/" + name)) return true;
        *error = reader->Error();
        return false;
    };
    const auto read = [&](const char* name, auto&& parse) {
        LineReader reader;
        if (!open(name, &reader)) return false;
        if (parse(&reader)) return true;
        *error = reader.Error();
        return false;
    };
    const auto book_count = [data] { return static_cast<int>(data->books.size()); };
    return read("books.tsv", [&](LineReader* r) { return ReadBooks(r, &data->books); }) &&
           read("towns.tsv",
                [&](LineReader* r) {
                    return ReadList(r, ListKind::kTowns, book_count(), &data->towns);
                }) &&
           read("postalcodes.tsv",
                [&](LineReader* r) {
                    return ReadList(r, ListKind::kPostalCodes, book_count(), &data->postal_codes);
                }) &&
           read("areacodes.tsv",
                [&](LineReader* r) {
                    return ReadList(r, ListKind::kAreaCodes, book_count(), &data->area_codes);
                }) &&
           ReadSubscriberFile(dir + "/subscribers.tsv", data->books, kSplitSubscribersFrom,
                              &data->subscribers, error) &&
           read("countries.tsv",
                [&](LineReader* r) { return ReadCountries(r, &data->countries); }) &&
           read("banks.tsv", [&](LineReader* r) { return ReadBanks(r, &data->banks); }) &&
           read("tips.txt", [&](LineReader* r) { return ReadTips(r, &data->tips); });
}

}  // namespace vendarion::mkdata
