// Reading subscribers.tsv into 28-byte records with provisional word numbers.
#include <string>

#include "field_checks.h"
#include "source_reader.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kSubscriberFields = 19;
constexpr std::size_t kWordMax = 254;
constexpr std::uint64_t kIndexMax = 254;

// Source column of each dictionary field; the name additions (columns 4-8) are joined.
constexpr std::array<int, kDictionaryCount> kColumn = {2, 3, 10, 9, 15, 11, -1};
constexpr const char* kFieldName[kDictionaryCount] = {
    "surname",       "first name",   "street",        "heading",
    "call addition", "house number", "name additions"};

// The five name additions without their leading blanks, joined by TABs; empty when
// all five are empty.
std::string JoinNameAdditions(const std::vector<std::string_view>& fields) {
    std::string joined;
    bool any = false;
    for (int i = 0; i < 5; ++i) {
        std::string_view part = fields[4 + i];
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        if (i > 0) joined.push_back('\t');
        joined.append(part);
        any = any || !part.empty();
    }
    return any ? joined : std::string();
}

class SubscriberParser {
public:
    SubscriberParser(LineReader* reader, const std::vector<Book>& books, SubscriberData* data)
        : reader_(reader), books_(books), data_(data) {}

    bool ParseLine(const std::vector<std::string_view>& fields) {
        if (!ExpectFields(reader_, fields, kSubscriberFields)) return false;
        Record record{};
        std::uint64_t book = 0;
        std::uint64_t level = 0;
        if (books_.empty() || !ParseNumber(fields[0], books_.size() - 1, &book)) {
            return reader_->Fail("no book '" + std::string(fields[0]) + "' in books.tsv");
        }
        if (!ParseNumber(fields[1], 7, &level)) return reader_->Fail("level must be 0 to 7");
        if (level > 0 && last_main_book_ != static_cast<std::int64_t>(book)) {
            return reader_->Fail("sub-entry without a main entry of the same book above it");
        }
        record[0] = static_cast<std::uint8_t>(book);
        record[1] = static_cast<std::uint8_t>(book >> 8);
        const Book& source_book = books_[book];
        if (!Index(fields[12], source_book.places.size(), "place", &record[kRecordPlace]) ||
            !Index(fields[13], source_book.postal_codes.size(), "postal-code",
                   &record[kRecordPostalCode]) ||
            !Index(fields[14], source_book.area_codes.size(), "area-code",
                   &record[kRecordAreaCode]) ||
            !Words(fields, &record) || !Flags(fields, level, &record) ||
            !Phone(fields[16], &record)) {
            return false;
        }
        if (data_->records.size() >= UINT32_MAX) return reader_->Fail("too many entries");
        if (level == 0) {
            data_->main_starts.push_back(static_cast<std::uint32_t>(data_->records.size()));
            last_main_book_ = static_cast<std::int64_t>(book);
        }
        data_->records.push_back(record);
        return true;
    }

private:
    bool Index(std::string_view text, std::size_t size, const char* what, std::uint8_t* out) {
        if (text.empty()) return true;
        std::uint64_t index = 0;
        if (!ParseNumber(text, kIndexMax, &index) || index >= size) {
            return reader_->Fail(std::string("no ") + what + " index '" + std::string(text) +
                                 "' in this book");
        }
        *out = static_cast<std::uint8_t>(index + 1);
        return true;
    }

    bool Word(int dictionary, std::string_view text, Record* record) {
        if (text.empty()) return true;
        if (!ExpectLength(reader_, text, kWordMax, kFieldName[dictionary])) return false;
        const DictionaryField& field = kDictionaryFields[dictionary];
        const std::uint32_t number = data_->words[dictionary].Intern(text);
        if (number >= field.limit) {
            return reader_->Fail(std::string("more than ") + std::to_string(field.limit) +
                                 " different " + kFieldName[dictionary] + " texts");
        }
        SetId(record, field, number + 1);
        return true;
    }

    bool Words(const std::vector<std::string_view>& fields, Record* record) {
        for (int d = 0; d < kDictionaryCount; ++d) {
            if (kColumn[d] >= 0 && !Word(d, fields[kColumn[d]], record)) return false;
        }
        return Word(kNameAdditions, JoinNameAdditions(fields), record);
    }

    bool Flags(const std::vector<std::string_view>& fields, std::uint64_t level, Record* record) {
        std::uint64_t extension = 0;
        std::uint64_t flag = 0;
        if (!ParseNumber(fields[17], 7, &extension)) {
            return reader_->Fail("extension length must be 0 to 7");
        }
        if (!ParseNumber(fields[18], 1, &flag)) return reader_->Fail("flag must be 0 or 1");
        (*record)[kRecordFlags] = static_cast<std::uint8_t>(level | (extension << 3) | (flag << 6));
        return true;
    }

    bool Phone(std::string_view text, Record* record) {
        if (text.empty()) return true;
        std::uint64_t number = 0;
        if (text[0] == '0' || !ParseNumber(text, INT32_MAX, &number)) {
            return reader_->Fail("phone number must be digits not starting with 0, at most " +
                                 std::to_string(INT32_MAX));
        }
        for (int i = 0; i < 4; ++i)
            (*record)[kRecordPhone + i] = static_cast<std::uint8_t>(number >> (8 * i));
        return true;
    }

    LineReader* reader_;
    const std::vector<Book>& books_;
    SubscriberData* data_;
    std::int64_t last_main_book_ = -1;
};

}  // namespace

bool ReadSubscribers(LineReader* reader, const std::vector<Book>& books,
                     SubscriberData* subscribers) {
    SubscriberParser parser(reader, books, subscribers);
    std::vector<std::string_view> fields;
    for (;;) {
        const LineReader::Result result = reader->NextRecord(&fields);
        if (result == LineReader::Result::kEnd) return true;
        if (result == LineReader::Result::kError || !parser.ParseLine(fields)) return false;
    }
}

}  // namespace vendarion::mkdata
