// Reading books.tsv and the three country-wide lists.
#include <string>

#include "field_checks.h"
#include "source_reader.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kBookNameMax = 75;
constexpr std::size_t kTownPostalCodeMax = 7;
constexpr std::size_t kPlaceNameMax = 24;
constexpr std::size_t kTownNameMax = 81;

bool ReadBookLine(LineReader* reader, const std::vector<std::string_view>& fields,
                  std::vector<Book>* books) {
    if (!ExpectFields(reader, fields, 4)) return false;
    std::uint64_t number = 0;
    if (!ParseNumber(fields[1], kMaxBooks, &number) || number != books->size()) {
        return reader->Fail("book number must be " + std::to_string(books->size()));
    }
    if (number >= static_cast<std::uint64_t>(kMaxBooks)) {
        return reader->Fail("more than " + std::to_string(kMaxBooks) + " books");
    }
    if (!ExpectLength(reader, fields[2], kBookNameMax, "book name") ||
        !ExpectLength(reader, fields[3], kTownPostalCodeMax, "town postal code")) {
        return false;
    }
    books->push_back({std::string(fields[2]), std::string(fields[3]), {}, {}, {}});
    return true;
}

bool ReadArrayLine(LineReader* reader, const std::vector<std::string_view>& fields, Book* book) {
    if (!ExpectFields(reader, fields, 2)) return false;
    const std::string_view type = fields[0];
    const std::string_view value = fields[1];
    if (type == "area") {
        std::int32_t code = 0;
        if (!ParseAreaCode(value, &code))
            return reader->Fail("bad area code '" + std::string(value) + "'");
        book->area_codes.push_back(code);
    } else if (type == "postal") {
        if (!IsDigits(value, 5)) return reader->Fail("postal code must be 5 digits");
        book->postal_codes.push_back(std::stoi(std::string(value)));
    } else {
        book->places.emplace_back(value.substr(0, kPlaceNameMax));
    }
    return true;
}

}  // namespace

bool ReadBooks(LineReader* reader, std::vector<Book>* books) {
    std::vector<std::string_view> fields;
    for (;;) {
        const LineReader::Result result = reader->NextRecord(&fields);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError) return false;
        const std::string_view type = fields[0];
        if (type == "book") {
            if (!ReadBookLine(reader, fields, books)) return false;
        } else if (type == "area" || type == "postal" || type == "place") {
            if (books->empty())
                return reader->Fail(
                    std::string("'").append(type).append("' before the first book"));
            if (!ReadArrayLine(reader, fields, &books->back())) return false;
        } else {
            return reader->Fail("unknown line type '" + std::string(type) + "'");
        }
    }
}

bool ReadList(LineReader* reader, ListKind kind, int book_count, std::vector<ListRecord>* records) {
    std::vector<std::string_view> fields;
    for (;;) {
        const LineReader::Result result = reader->NextRecord(&fields);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError) return false;
        if (!ExpectFields(reader, fields, 3)) return false;
        const bool town_first = kind == ListKind::kTowns;
        const std::string_view town = town_first ? fields[0] : fields[1];
        const std::string_view code = town_first ? fields[1] : fields[0];
        if (town.empty()) return reader->Fail("empty town name");
        if (!ExpectLength(reader, town, kTownNameMax, "town name")) return false;
        std::int32_t area = 0;
        // A town whose postal code is not known has none; a code list needs its code.
        const bool no_code = town_first && code.empty();
        if (!no_code &&
            (kind == ListKind::kAreaCodes ? !ParseAreaCode(code, &area) : !IsDigits(code, 5))) {
            return reader->Fail("bad " +
                                std::string(kind == ListKind::kAreaCodes ? "area" : "postal") +
                                " code '" + std::string(code) + "'");
        }
        std::uint64_t book = 0;
        if (!ParseNumber(fields[2], static_cast<std::uint64_t>(book_count) - 1, &book) ||
            book_count == 0) {
            return reader->Fail("no book '" + std::string(fields[2]) + "' in books.tsv");
        }
        records->push_back(
            {std::string(fields[0]), std::string(fields[1]), static_cast<std::int32_t>(book)});
    }
}

bool ExpectFields(LineReader* reader, const std::vector<std::string_view>& fields,
                  std::size_t count) {
    if (fields.size() == count) return true;
    return reader->Fail("expected " + std::to_string(count) + " fields, found " +
                        std::to_string(fields.size()));
}

bool ExpectLength(LineReader* reader, std::string_view text, std::size_t max, const char* what) {
    if (text.size() <= max) return true;
    return reader->Fail(std::string(what) + " longer than " + std::to_string(max) + " bytes");
}

}  // namespace vendarion::mkdata
