// Private subscribers: one main entry per household, with the family's fax,
// mobile and members' own numbers as sub-entries where households have them.
#pragma once

#include "book_context.h"

namespace vendarion::datagen {

void GenerateHousehold(BookContext& book);

}  // namespace vendarion::datagen
