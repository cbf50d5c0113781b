// The printed list of entries: pages of address blocks under a page header with the
// list's title, the page number and a rule, laid out in the printer's device units.
// Pure: text is measured through PrintMeasure, so the one layout serves a printer, a
// PDF file and the preview alike.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vendarion {

// At most this many entries are printed at once.
inline constexpr int kMaxPrintRows = 75;
inline constexpr int kMoreThanMaxPrintRows = 1306;  // message, exclamation icon
// The pen of the header rule, in device units.
inline constexpr int kPrintRuleWidth = 18;

enum class PrintFont { kNormal, kBold, kHeader };

// The cells of a list row that its block prints, as the list shows them
// (Windows-1252).
struct PrintRow {
    std::string display_name;
    std::string heading;
    std::string street;
    std::string postal_code;
    std::string town;
    std::string call_addition;
    std::string area_code;
    std::string number;
};

// Positions and sizes of a page, from the printer's resolution and printable area.
struct PrintGeometry {
    int dpi = 0;
    int left = 0;    // left margin
    int top = 0;     // top margin
    int width = 0;   // text width; also where the header rule ends
    int bottom = 0;  // a block that would end below this starts a new page
    int normal_height = 0;
    int bold_height = 0;
    int header_height = 0;
};
PrintGeometry PrintGeometryFor(int dpi, int page_width, int page_height);

class PrintMeasure {
public:
    virtual ~PrintMeasure() = default;
    // The height of the text "W" in a font.
    virtual int LineHeight(PrintFont font) = 0;
    // The height a text takes when word-wrapped into a width.
    virtual int WrappedHeight(PrintFont font, std::string_view text, int width) = 0;
};

struct PrintItem {
    enum class Kind { kLine, kWrapped, kRule };
    Kind kind = Kind::kLine;
    PrintFont font = PrintFont::kNormal;
    int x = 0;
    int y = 0;
    // kWrapped: the rectangle's right and bottom edges; kRule: the end of the line.
    int right = 0;
    int bottom = 0;
    std::string text;  // Windows-1252
};

struct PrintPage {
    std::vector<PrintItem> items;
};

// The lines of an entry's block, each trimmed of blanks; empty lines are left out.
std::vector<std::pair<PrintFont, std::string>> BlockLines(const PrintRow& row);

// The pages for the rows under the title of their list.
std::vector<PrintPage> LayOutPrint(const PrintGeometry& geometry, PrintMeasure& measure,
                                   std::span<const PrintRow> rows, std::string_view title);

}  // namespace vendarion
