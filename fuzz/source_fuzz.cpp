// Feeds arbitrary bytes to the data compiler's source parser as one of its files: the
// first byte chooses the file kind, the rest is the file. The lists and the
// subscribers are read against two fixed books. A parse either succeeds or fails
// with an error naming the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_file.h"
#include "source_reader.h"

using namespace vendarion;
using namespace vendarion::mkdata;

namespace {

constexpr std::string_view kBooks =
    "book\t0\tBerlin\t10115\narea\t030\npostal\t10115\npostal\t10117\nplace\tBerlin\n"
    "book\t1\tAachen\t52062\narea\t0241\npostal\t52062\nplace\tAachen\n";

const std::vector<Book>& FixedBooks() {
    static const std::vector<Book> books = [] {
        const fuzz::MemoryFile file(reinterpret_cast<const std::uint8_t*>(kBooks.data()),
                                    kBooks.size());
        LineReader reader;
        std::vector<Book> read;
        if (!reader.Open(file.Path()) || !ReadBooks(&reader, &read) || read.size() != 2) {
            std::abort();
        }
        return read;
    }();
    return books;
}

bool Parse(std::uint8_t kind, LineReader* reader) {
    const std::vector<Book>& books = FixedBooks();
    const int book_count = static_cast<int>(books.size());
    const auto list = [&](ListKind list_kind) {
        std::vector<ListRecord> records;
        return ReadList(reader, list_kind, book_count, &records);
    };
    // Each kind builds only its own output: the subscribers' word tables are large.
    switch (kind % 8) {
        case 0: {
            std::vector<Book> read;
            return ReadBooks(reader, &read);
        }
        case 1:
            return list(ListKind::kTowns);
        case 2:
            return list(ListKind::kPostalCodes);
        case 3:
            return list(ListKind::kAreaCodes);
        case 4: {
            SubscriberData subscribers;
            return ReadSubscribers(reader, books, &subscribers);
        }
        case 5: {
            std::vector<Country> countries;
            return ReadCountries(reader, &countries);
        }
        case 6: {
            std::vector<Bank> banks;
            return ReadBanks(reader, &banks);
        }
        default: {
            std::vector<std::string> tips;
            return ReadTips(reader, &tips);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    (void)FixedBooks();
    const fuzz::MemoryFile file(data + 1, size - 1);
    if (!file.ok()) return 0;
    LineReader reader;
    if (!reader.Open(file.Path())) return 0;
    if (!Parse(data[0], &reader) && reader.Error().rfind(file.Path(), 0) != 0) std::abort();
    return 0;
}
