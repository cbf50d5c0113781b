// The streets of one book: common German street names first, then a tail of
// names from the faker list, names after neighbouring places ("Essener Str."),
// after people and after trees, birds and field names, different in every book.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "book_plan.h"
#include "facts.h"
#include "random.h"

namespace vendarion::datagen {

// count distinct street names for book number book, most frequent first.
std::vector<std::string> ChooseStreets(const Facts& facts, const std::vector<BookPlan>& plans,
                                       std::size_t book, std::size_t count, Random& random);

}  // namespace vendarion::datagen
