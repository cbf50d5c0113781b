#include "store/entry_decoder.h"

#include <charconv>

#include "base/byte_view.h"
#include "store/book_data.h"
#include "store/field_dictionary.h"
#include "store/main_table_format.h"

namespace vendarion {
namespace {

using namespace main_table_format;

void AssignWord(FieldDictionary* dictionary, std::uint32_t id, std::string* out) {
    if (id == 0) return out->clear();
    out->assign(dictionary->Word(static_cast<int>(id - 1)));
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}  // namespace

void SplitNameAdditions(std::string_view word, SubscriberEntry* out) {
    for (int part = 0; part < 5; ++part) {
        std::string_view text = word;
        if (part < 4) {
            const std::size_t tab = word.find('\t');
            text = word.substr(0, tab);
            word = tab == std::string_view::npos ? std::string_view() : word.substr(tab + 1);
        } else {
            word = {};
        }
        out->fields[static_cast<int>(EntryField::kNameAddition1) + part].assign(
            WithoutLeadingBlanks(text));
    }
}

void FormatPhoneNumber(std::int32_t number, int extension, std::string* out) {
    out->clear();
    if (number == 0) return;
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<int>(end - digits);
    const int split = length - (extension < length ? extension : length);
    out->append(digits, static_cast<std::size_t>(split));
    if (extension != 0) out->append(" - ");
    out->append(digits + split, end);
}

void ComposeDisplayName(SubscriberEntry* entry) {
    static constexpr EntryField kOrder[] = {EntryField::kNameAddition1, EntryField::kFirstName,
                                            EntryField::kNameAddition3, EntryField::kNameAddition2,
                                            EntryField::kName,          EntryField::kNameAddition4,
                                            EntryField::kNameAddition5};
    std::string& display = (*entry)[EntryField::kDisplayName];
    display.clear();
    for (EntryField field : kOrder) {
        const std::string& part = (*entry)[field];
        if (part.empty()) continue;
        display.append(part);
        display.push_back(' ');
    }
}

void EntryDecoder::Decode(const std::uint8_t* record, SubscriberEntry* out) {
    SubscriberEntry& entry = *out;
    AssignWord(dictionaries_.surnames, LoadU24BigEndian(record + kSurname),
               &entry[EntryField::kName]);
    AssignWord(dictionaries_.first_names, LoadU24BigEndian(record + kFirstName),
               &entry[EntryField::kFirstName]);
    const std::uint32_t additions = LoadU24BigEndian(record + kNameAdditions);
    SplitNameAdditions(additions == 0
                           ? std::string_view()
                           : dictionaries_.name_additions->Word(static_cast<int>(additions - 1)),
                       out);
    AssignWord(dictionaries_.headings, LoadU24BigEndian(record + kHeading),
               &entry[EntryField::kHeading]);
    AssignWord(dictionaries_.streets, LoadU24BigEndian(record + kStreet),
               &entry[EntryField::kStreet]);
    AssignWord(dictionaries_.house_numbers, LoadU16(record + kHouseNumber),
               &entry[EntryField::kHouseNumber]);
    const int book = LoadU16(record + kBook);
    book_data_.PlaceName(book, record[kPlace] - 1, &entry[EntryField::kTown]);
    book_data_.PostalCode(book, record[kPostalCode] - 1, &entry[EntryField::kPostalCode]);
    book_data_.AreaCode(book, record[kAreaCode] - 1, &entry[EntryField::kAreaCode]);
    const std::uint8_t flags = record[kFlags];
    FormatPhoneNumber(LoadI32(record + kPhone), (flags >> kExtensionShift) & kExtensionMask,
                      &entry[EntryField::kPhoneNumber]);
    AssignWord(dictionaries_.call_additions, record[kCallAddition],
               &entry[EntryField::kCallAddition]);
    entry.level = flags & kLevelMask;
    entry.flag = (flags & kFlagBit) ? 1 : 0;
    ComposeDisplayName(out);
}

}  // namespace vendarion
