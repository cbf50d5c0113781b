#include "store/book_list.h"

#include "store/book_data_format.h"
#include "store/main_table_format.h"
#include "store/sub_name_index_format.h"

namespace vendarion {
namespace {

// The dictionaries in the order they are opened, by their member names.
constexpr std::string_view kSurnames = "Namen";
constexpr std::string_view kFirstNames = "Vornamen";
constexpr std::string_view kStreets = "Strassen";
constexpr std::string_view kHeadings = "bezeichnungen";
constexpr std::string_view kCallAdditions = "rufzusatz";
constexpr std::string_view kHouseNumbers = "hausnr";
constexpr std::string_view kNameAdditions = "namezusatz";

// The word number a typed text sorts at: -2 (any) for an empty text, one past the
// last word when the text sorts after every word (it has no lower bound).
int WordAtOrAfter(FieldDictionary& words, std::string_view text) {
    if (text.empty()) return -2;
    const int word = words.LowerBound(text);
    return word >= 0 ? word : words.Count();
}

}  // namespace

BookList::BookList()
    : decoder_({&surnames_, &first_names_, &streets_, &headings_, &call_additions_, &house_numbers_,
                &name_additions_},
               book_data_) {}

bool BookList::Open(const ArchiveFile& index_archive, const ArchiveFile& code_archive,
                    const ArchiveFile& data_archive) {
    Close();
    if (!OpenParts(index_archive, code_archive, data_archive)) {
        Close();
        return false;
    }
    table_.SetDecoder(&decoder_);
    // A damaged index stays closed: searches then walk the book.
    ByteView sub_names;
    if (data_archive.Find(sub_name_index_format::kMember, &sub_names)) {
        static_cast<void>(sub_names_.Open(sub_names));
    }
    open_ = true;
    return true;
}

bool BookList::OpenParts(const ArchiveFile& index_archive, const ArchiveFile& code_archive,
                         const ArchiveFile& data_archive) {
    for (std::string_view name : {kSurnames, kFirstNames, kStreets, kHeadings, kCallAdditions,
                                  kHouseNumbers, kNameAdditions}) {
        if (!Dictionary(name)->Open(name, index_archive, code_archive)) return false;
    }
    if (!countries_.Open(ReferenceKind::kCountries, index_archive) ||
        !banks_.Open(ReferenceKind::kBanks, index_archive) || !phonetic_.Open(code_archive)) {
        return false;
    }
    ByteView member;
    if (!index_archive.Find(book_data_format::kMember, &member) || !book_data_.Open(member)) {
        return false;
    }
    ByteView table_index;
    ByteView table_data;
    return index_archive.Find(main_table_format::kIndexMember, &table_index) &&
           data_archive.Find(main_table_format::kDataMember, &table_data) &&
           table_.Open(table_data, table_index);
}

void BookList::Close() {
    open_ = false;
    sub_names_.Close();
    table_.SetDecoder(nullptr);
    table_.Close();
    book_data_.Close();
    phonetic_.Close();
    banks_.Close();
    countries_.Close();
    for (std::string_view name : {kSurnames, kFirstNames, kStreets, kHeadings, kCallAdditions,
                                  kHouseNumbers, kNameAdditions}) {
        Dictionary(name)->Close();
    }
}

FieldDictionary* BookList::Dictionary(std::string_view name) {
    if (name == kSurnames) return &surnames_;
    if (name == kFirstNames) return &first_names_;
    if (name == kStreets) return &streets_;
    if (name == kHeadings) return &headings_;
    if (name == kCallAdditions) return &call_additions_;
    if (name == kHouseNumbers) return &house_numbers_;
    if (name == kNameAdditions) return &name_additions_;
    return nullptr;
}

int BookList::Find(int book, std::string_view surname, std::string_view first_name) {
    if (!open_) return -1;
    return table_.Find(book, WordAtOrAfter(surnames_, surname),
                       WordAtOrAfter(first_names_, first_name));
}

}  // namespace vendarion
