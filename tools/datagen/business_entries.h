// Businesses: a trade heading, a business name (or the owner's name for
// doctors, lawyers and trades), call additions, and for larger firms a
// switchboard with extensions and departments nested down to level 7.
#pragma once

#include "book_context.h"

namespace vendarion::datagen {

void GenerateBusiness(BookContext& book);

}  // namespace vendarion::datagen
