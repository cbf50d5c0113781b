#include "book_data_writer.h"

#include "byte_writer.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kPlaceWidth = 25;

}  // namespace

std::string BuildBookData(const std::vector<Book>& books,
                          const std::vector<std::int32_t>& entry_counts) {
    std::string records;
    std::string arrays;
    PutU16(&records, static_cast<std::uint32_t>(books.size()));
    const auto here = [&arrays] {
        return static_cast<std::int32_t>(kBookArrayStart + arrays.size());
    };
    for (std::size_t b = 0; b < books.size(); ++b) {
        const Book& book = books[b];
        const std::int32_t area_offset = here();
        for (const std::int32_t code : book.area_codes) PutI32(&arrays, code);
        const std::int32_t postal_offset = here();
        for (const std::int32_t code : book.postal_codes) PutI32(&arrays, code);
        const std::int32_t place_offset = here();
        for (const std::string& place : book.places) PutFixedText(&arrays, place, kPlaceWidth);
        PutI32(&records, static_cast<std::int32_t>(b));
        PutI32(&records, static_cast<std::int32_t>(book.places.size()));
        PutI32(&records, entry_counts[b]);
        PutFixedText(&records, book.name, 76);
        PutI32(&records, area_offset);
        PutI32(&records, static_cast<std::int32_t>(book.area_codes.size()));
        PutI32(&records, postal_offset);
        PutI32(&records, static_cast<std::int32_t>(book.postal_codes.size()));
        PutI32(&records, place_offset);
        PutFixedText(&records, book.town_postal_code, 8);
    }
    records.resize(kBookArrayStart, '\0');
    return records + arrays;
}

}  // namespace vendarion::mkdata
