#include "ui/navigation_keys.h"

#include <algorithm>

namespace vendarion {

ListMove ListMoveOf(int key, Qt::KeyboardModifiers modifiers) {
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    if (control) {
        if (key == Qt::Key_Home) return ListMove::kFirst;
        if (key == Qt::Key_End) return ListMove::kLast;
        return ListMove::kNone;
    }
    switch (key) {
        case Qt::Key_Up:
            return ListMove::kUp;
        case Qt::Key_Down:
            return ListMove::kDown;
        case Qt::Key_PageUp:
            return ListMove::kPageUp;
        case Qt::Key_PageDown:
            return ListMove::kPageDown;
        default:
            return ListMove::kNone;
    }
}

int RowAfterMove(ListMove move, int focused, int count, int per_page) {
    if (focused < 0 || count <= 0) return -1;
    const int last = count - 1;
    switch (move) {
        case ListMove::kUp:
            return focused - 1;
        case ListMove::kDown:
            return focused + 1;
        case ListMove::kPageUp:
            return std::max(focused - per_page, 0);
        case ListMove::kPageDown:
            return std::min(focused + per_page, last);
        case ListMove::kFirst:
            return 0;
        case ListMove::kLast:
            return last;
        case ListMove::kNone:
            break;
    }
    return focused;
}

}  // namespace vendarion
