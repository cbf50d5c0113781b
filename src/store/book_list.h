// The book list: the book data, the seven field dictionaries the subscriber records
// point into, the subscriber table and the three reference tables.
//
// Threads: the dictionaries and the table hold decode caches, so a book list is used
// by one thread at a time. A thread that reads the same data at the same time opens
// its own book list over the same archives (DataSet::OpenBookList); the archives'
// mappings are shared and immutable, and the book data and reference tables hold no
// mutable state.
#pragma once

#include <span>
#include <string_view>

#include "store/archive_file.h"
#include "store/book_data.h"
#include "store/entry_decoder.h"
#include "store/field_dictionary.h"
#include "store/main_table.h"
#include "store/phonetic_index.h"
#include "store/reference_table.h"
#include "store/sub_name_index.h"

namespace vendarion {

class BookList {
public:
    BookList();
    BookList(const BookList&) = delete;
    BookList& operator=(const BookList&) = delete;

    // Opens, in order: the seven dictionaries, the country and bank tables, the
    // phonetic table, the book data, the subscriber table. The first failure closes
    // what was opened and returns false. Then the index of sub-entry surnames when
    // the data archive has it; a damaged one is left closed (searches then walk).
    [[nodiscard]] bool Open(const ArchiveFile& index_archive, const ArchiveFile& code_archive,
                            const ArchiveFile& data_archive);
    void Close();
    bool IsOpen() const { return open_; }

    // The first main entry at or after the book, surname and first name; an empty
    // text stands for any, and a text that sorts after every word of its dictionary
    // places the key after every entry of that name (or of the book). When the
    // book has nothing at or after the key, that is a later book's first main entry.
    // -1 when nothing is found or a block is damaged.
    int Find(int book, std::string_view surname, std::string_view first_name);
    // Decodes records first ... last of the subscriber table into out (0 or -1).
    int Read(int first, int last, std::span<SubscriberEntry> out) {
        return table_.Read(first, last, out);
    }

    const BookData& Books() const { return book_data_; }
    FieldDictionary& Surnames() { return surnames_; }
    FieldDictionary& FirstNames() { return first_names_; }
    FieldDictionary& Streets() { return streets_; }
    FieldDictionary& Headings() { return headings_; }
    FieldDictionary& CallAdditions() { return call_additions_; }
    FieldDictionary& HouseNumbers() { return house_numbers_; }
    FieldDictionary& NameAdditions() { return name_additions_; }
    // Dictionary by its data name ("Namen", "Vornamen", ...); null when unknown.
    FieldDictionary* Dictionary(std::string_view name);
    MainTable& Table() { return table_; }
    EntryDecoder& Decoder() { return decoder_; }
    const ReferenceTable& Countries() const { return countries_; }
    const ReferenceTable& Banks() const { return banks_; }
    const PhoneticIndex& Phonetic() const { return phonetic_; }
    // Closed when the data set has no (sound) index of sub-entry surnames.
    SubNameIndex& SubNames() { return sub_names_; }

private:
    [[nodiscard]] bool OpenParts(const ArchiveFile& index_archive, const ArchiveFile& code_archive,
                                 const ArchiveFile& data_archive);

    bool open_ = false;
    BookData book_data_;
    FieldDictionary surnames_;
    FieldDictionary first_names_;
    FieldDictionary streets_;
    FieldDictionary headings_;
    FieldDictionary call_additions_;
    FieldDictionary house_numbers_;
    FieldDictionary name_additions_;
    MainTable table_;
    ReferenceTable countries_;
    ReferenceTable banks_;
    PhoneticIndex phonetic_;
    SubNameIndex sub_names_;
    EntryDecoder decoder_;
};

}  // namespace vendarion
