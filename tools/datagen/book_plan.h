// The books (one per area code) of a generated data set: their place, postal-code
// and area-code arrays, and how many entries each gets for a chosen size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "facts.h"

namespace vendarion::datagen {

enum class DataSize {
    kTiny,      // a few hundred entries in a handful of books, for tests
    kSample,    // about 200,000 entries over all books
    kNational,  // about 35 million entries, the largest book about two million
};

[[nodiscard]] bool ParseDataSize(std::string_view text, DataSize* size);

// A town under one postal code of the book, with its share of the book's people.
struct PlaceUse {
    int place_index = 0;   // into BookPlan::place_names
    int postal_index = 0;  // into BookPlan::postal_codes; -1 when the code is not known
    std::uint32_t weight = 0;
};

struct BookPlan {
    std::string name;
    // The book's own area code first, then the mobile prefixes that its
    // subscribers' mobile numbers use.
    std::vector<std::string> area_codes;
    std::vector<std::string> postal_codes;
    std::vector<std::string> place_names;
    std::vector<PlaceUse> places;
    std::uint32_t entries = 0;  // main entries and sub-entries together
};

// The mobile prefixes appended to every book's area codes.
const std::vector<std::string>& MobilePrefixes();

// One plan per area code of the facts, in their order. A town's people are its
// postal codes weighted by the town's size (more postal codes: denser), shared
// among the towns of a postal code and among the books that list the same town.
std::vector<BookPlan> PlanBooks(const Facts& facts, DataSize size);

}  // namespace vendarion::datagen
