// Where the rows of the shown list come from. Rows are produced on demand, one cell
// at a time, so no list is ever copied; texts are Windows-1252. Sources read the
// user-interface thread's readers and are used on that thread only.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int Count() = 0;
    // The text of a cell; empty when the row or column is outside the list or the
    // row cannot be read.
    virtual std::string Text(int row, int column) = 0;
    // The row that the list is positioned at for a typed text: the first row at or
    // after it; -1 when the source has no such lookup or the text lies after the end.
    virtual int FindRow(std::string_view text) {
        (void)text;
        return -1;
    }
};

// A list without rows.
class EmptyRows final : public RowSource {
public:
    int Count() override { return 0; }
    std::string Text(int, int) override { return {}; }
};

}  // namespace vendarion
