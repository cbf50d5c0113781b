// Turns a raw 28-byte subscriber record into a SubscriberEntry, with the words of
// the book list's seven dictionaries and the arrays of the book data. Uses the
// dictionaries' decode caches, so it belongs to the thread that owns them.
#pragma once

#include <cstdint>

#include "store/subscriber_entry.h"

namespace vendarion {

class BookData;
class FieldDictionary;

struct EntryDictionaries {
    FieldDictionary* surnames = nullptr;        // "Namen"
    FieldDictionary* first_names = nullptr;     // "Vornamen"
    FieldDictionary* streets = nullptr;         // "Strassen"
    FieldDictionary* headings = nullptr;        // "bezeichnungen"
    FieldDictionary* call_additions = nullptr;  // "rufzusatz"
    FieldDictionary* house_numbers = nullptr;   // "hausnr"
    FieldDictionary* name_additions = nullptr;  // "namezusatz"
};

class EntryDecoder {
public:
    EntryDecoder(const EntryDictionaries& dictionaries, const BookData& book_data)
        : dictionaries_(dictionaries), book_data_(book_data) {}

    // Decodes record (28 readable bytes) into out, reusing out's string storage. A
    // word or array element that cannot be read gives an empty field.
    void Decode(const std::uint8_t* record, SubscriberEntry* out);

private:
    EntryDictionaries dictionaries_;
    const BookData& book_data_;
};

// The name additions word split at its tab characters into parts 1-5 (fields
// kNameAddition1 ... kNameAddition5), leading blanks removed from each part. With
// fewer than four tabs the missing parts are empty; text after a fifth tab stays
// in part 5.
void SplitNameAdditions(std::string_view word, SubscriberEntry* out);

// The phone number in decimal with " - " before the last min(extension, digits)
// digits when extension is not 0; empty for number 0.
void FormatPhoneNumber(std::int32_t number, int extension, std::string* out);

// Name addition 1, first name, name addition 3, name addition 2, name, name
// additions 4 and 5: each non-empty one followed by one blank (the trailing blank
// stays).
void ComposeDisplayName(SubscriberEntry* entry);

}  // namespace vendarion
