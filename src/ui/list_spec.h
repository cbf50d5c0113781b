// A list's layout string: parts separated by ';', the first the title, each further
// one a column "header|width" (a column without "|" is 100 pixels wide). And the
// saved column widths of a list: the widths in order, decimal, joined by ','.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

struct ListColumn {
    std::string header;
    int width = 100;
};

struct ListSpec {
    std::string title;
    std::vector<ListColumn> columns;
};

inline constexpr int kDefaultColumnWidth = 100;

// The title has its "%s" replaced by town (the lists of one town).
ListSpec ParseListSpec(std::string_view spec, std::string_view town);

// Column i takes the i-th saved number when there is one and it is an unsigned
// decimal number, else its default width times scale (FontScale of the list's
// font); saved widths are taken as they are.
std::vector<int> ColumnWidths(const std::vector<ListColumn>& columns, std::string_view saved,
                              double scale = 1.0);

// The saved text of the current widths: widths below 1 are left out (so the later
// widths move forward); empty when no width is left, and then nothing is saved.
std::string SavedWidths(const std::vector<int>& widths);

}  // namespace vendarion
