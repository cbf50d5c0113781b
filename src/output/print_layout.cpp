#include "output/print_layout.h"

#include "base/ascii_text.h"

namespace vendarion {
namespace {

class Layout {
public:
    Layout(const PrintGeometry& geometry, PrintMeasure& measure, std::string_view title)
        : geometry_(geometry),
          measure_(measure),
          title_(title),
          normal_(measure.LineHeight(PrintFont::kNormal)),
          bold_(measure.LineHeight(PrintFont::kBold)),
          header_(measure.LineHeight(PrintFont::kHeader)) {}

    void StartPage() {
        pages_.emplace_back();
        ++page_number_;
        y_ = geometry_.top;
        Add({PrintItem::Kind::kLine, PrintFont::kHeader, geometry_.left, y_, 0, 0,
             "Vendarion: " + title_});
        y_ += header_;
        Add({PrintItem::Kind::kLine, PrintFont::kBold, geometry_.left, y_, 0, 0,
             "(Seite " + std::to_string(page_number_) + ")"});
        y_ += bold_ * 3 / 2;
        Add({PrintItem::Kind::kRule,
             PrintFont::kNormal,
             geometry_.left,
             y_,
             geometry_.width,
             y_,
             {}});
        y_ += normal_ + kPrintRuleWidth;
    }

    // The height the block takes, with the gap after it.
    int Measure(const PrintRow& row) {
        int height = 0;
        const auto lines = BlockLines(row);
        for (const auto& [font, text] : lines) {
            height += measure_.WrappedHeight(font, text, geometry_.width);
        }
        return lines.empty() ? 0 : height + normal_;
    }

    void Print(const PrintRow& row) {
        const auto lines = BlockLines(row);
        for (const auto& [font, text] : lines) {
            Add({PrintItem::Kind::kWrapped, font, geometry_.left, y_,
                 geometry_.left + geometry_.width, geometry_.top + geometry_.bottom, text});
            y_ += measure_.WrappedHeight(font, text, geometry_.width);
        }
        if (!lines.empty()) y_ += normal_;
    }

    int Y() const { return y_; }
    std::vector<PrintPage> TakePages() { return std::move(pages_); }

private:
    void Add(PrintItem item) { pages_.back().items.push_back(std::move(item)); }

    const PrintGeometry& geometry_;
    PrintMeasure& measure_;
    std::string title_;
    int normal_;
    int bold_;
    int header_;
    std::vector<PrintPage> pages_;
    int page_number_ = 0;
    int y_ = 0;
};

}  // namespace

PrintGeometry PrintGeometryFor(int dpi, int page_width, int page_height) {
    PrintGeometry geometry;
    geometry.dpi = dpi;
    geometry.left = dpi / 254 * 170;
    geometry.top = dpi / 254 * 100;
    geometry.width = page_width - dpi / 256 * 20 - geometry.left;
    geometry.bottom = page_height - dpi / 256 * 80 - geometry.top;
    geometry.normal_height = static_cast<int>(dpi * 0.12);
    geometry.bold_height = static_cast<int>(dpi * 0.14);
    geometry.header_height = static_cast<int>(dpi * 0.2);
    return geometry;
}

std::vector<std::pair<PrintFont, std::string>> BlockLines(const PrintRow& row) {
    std::string place = row.postal_code;
    if (!TrimBlanks(row.postal_code).empty()) place += "  ";
    place += row.town;
    std::string phone;
    if (!TrimBlanks(row.call_addition).empty()) phone = row.call_addition + ":  ";
    // Without an area code only the number is printed.
    phone = TrimBlanks(row.area_code).empty() ? std::string() : phone + "(" + row.area_code + ")  ";
    phone += row.number;
    const std::pair<PrintFont, const std::string*> lines[] = {
        {PrintFont::kBold, &row.display_name}, {PrintFont::kNormal, &row.heading},
        {PrintFont::kNormal, &row.street},     {PrintFont::kNormal, &place},
        {PrintFont::kNormal, &phone},
    };
    std::vector<std::pair<PrintFont, std::string>> block;
    for (const auto& [font, text] : lines) {
        const std::string_view trimmed = TrimBlanks(*text);
        if (!trimmed.empty()) block.emplace_back(font, std::string(trimmed));
    }
    return block;
}

std::vector<PrintPage> LayOutPrint(const PrintGeometry& geometry, PrintMeasure& measure,
                                   std::span<const PrintRow> rows, std::string_view title) {
    Layout layout(geometry, measure, title);
    layout.StartPage();
    for (const PrintRow& row : rows) {
        if (geometry.bottom < layout.Y() + layout.Measure(row)) layout.StartPage();
        layout.Print(row);
    }
    return layout.TakePages();
}

}  // namespace vendarion
