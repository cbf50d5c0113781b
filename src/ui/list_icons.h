// The image of each list type in the tree of list types.
#pragma once

#include <QIcon>

#include "search/list_type.h"

namespace vendarion {

QIcon ListIcon(ListType type);

}  // namespace vendarion
