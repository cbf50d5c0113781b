// The keys that move the list's selection from an input field or a search box
// instead of the caret: Up, Down, Page Up, Page Down without Ctrl, and Ctrl+Home,
// Ctrl+End. Their movement codes are those the list navigation takes.
#pragma once

#include <Qt>

namespace vendarion {

enum class ListMove : int {
    kNone = 0,
    kUp = 1,
    kDown = 2,
    kPageUp = 3,
    kPageDown = 4,
    kFirst = 5,
    kLast = 6,
};

ListMove ListMoveOf(int key, Qt::KeyboardModifiers modifiers);

// The row a move leads to from the focused row of a list of count rows showing
// per_page rows at a time; -1 when there is no focused row.
int RowAfterMove(ListMove move, int focused, int count, int per_page);

}  // namespace vendarion
