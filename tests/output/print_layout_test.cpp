// The printed page without a printer: the geometry from the resolution, the lines of
// an entry's block, and where pages break, measured by a fixed-size measure.
#include "output/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vendarion {
namespace {

// Every line is as high as its font's size; a text wraps every 40 characters.
class FixedMeasure final : public PrintMeasure {
public:
    explicit FixedMeasure(const PrintGeometry& geometry) : geometry_(geometry) {}
    int LineHeight(PrintFont font) override {
        switch (font) {
            case PrintFont::kNormal:
                return geometry_.normal_height;
            case PrintFont::kBold:
                return geometry_.bold_height;
            case PrintFont::kHeader:
                return geometry_.header_height;
        }
        return 0;
    }
    int WrappedHeight(PrintFont font, std::string_view text, int) override {
        return LineHeight(font) * static_cast<int>(1 + text.size() / 40);
    }

private:
    PrintGeometry geometry_;
};

PrintRow Row(int i) {
    return {"Eintrag " + std::to_string(i), "", "Hauptstr.  5", "10115", "Berlin", "", "030",
            std::to_string(1000 + i)};
}

std::vector<std::string> Texts(const PrintPage& page) {
    std::vector<std::string> texts;
    for (const PrintItem& item : page.items) {
        if (item.kind != PrintItem::Kind::kRule) texts.push_back(item.text);
    }
    return texts;
}

TEST(PrintGeometry, MarginsAndFontsFollowTheResolution) {
    const PrintGeometry at300 = PrintGeometryFor(300, 2400, 3400);
    EXPECT_EQ(at300.left, 170);
    EXPECT_EQ(at300.top, 100);
    EXPECT_EQ(at300.width, 2400 - 190);
    EXPECT_EQ(at300.bottom, 3400 - 180);
    EXPECT_EQ(at300.normal_height, 36);
    EXPECT_EQ(at300.bold_height, 42);
    EXPECT_EQ(at300.header_height, 60);
    const PrintGeometry at600 = PrintGeometryFor(600, 4800, 6800);
    EXPECT_EQ(at600.left, 340);
    EXPECT_EQ(at600.top, 200);
    EXPECT_EQ(at600.width, 4800 - 380);
    EXPECT_EQ(at600.bottom, 6800 - 360);
    // Below 254 dpi there are no margins.
    const PrintGeometry at200 = PrintGeometryFor(200, 1600, 2200);
    EXPECT_EQ(at200.left, 0);
    EXPECT_EQ(at200.top, 0);
    EXPECT_EQ(at200.width, 1600);
    EXPECT_EQ(at200.bottom, 2200);
}

TEST(PrintBlock, EachLineIsBuiltFromItsCells) {
    PrintRow praxis{"Dr. Anna Huber", "\xC4rzte", "Leopoldstr.  12",  "80802", "M\xFCnchen",
                    "Praxis",         "089",      "1234567  (Praxis)"};
    const auto lines = BlockLines(praxis);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], std::make_pair(PrintFont::kBold, std::string("Dr. Anna Huber")));
    EXPECT_EQ(lines[3].second, "80802  M\xFCnchen");
    EXPECT_EQ(lines[4].second, "Praxis:  (089)  1234567  (Praxis)");
    // Without an area code only the number is left, call addition or not.
    praxis.area_code = "  ";
    EXPECT_EQ(BlockLines(praxis)[4].second, "1234567  (Praxis)");
    // Empty lines are left out; a town without postal code stands alone.
    const PrintRow koeln{"Max Muster", "", "   ", "50667", "K\xF6ln", "", "", ""};
    const auto short_block = BlockLines(koeln);
    ASSERT_EQ(short_block.size(), 2u);
    EXPECT_EQ(short_block[1].second, "50667  K\xF6ln");
    EXPECT_EQ(BlockLines({"", "", "", "", "Porz", "", "", ""})[0].second, "Porz");
    EXPECT_TRUE(BlockLines({}).empty());
}

TEST(PrintPages, BlocksThatDoNotFitStartANewPageWithItsHeader) {
    const PrintGeometry geometry = PrintGeometryFor(300, 2400, 3400);
    FixedMeasure measure(geometry);
    std::vector<PrintRow> rows;
    for (int i = 0; i < 75; ++i) rows.push_back(Row(i));
    const std::vector<PrintPage> pages = LayOutPrint(geometry, measure, rows, "Namen in Berlin");
    ASSERT_GE(pages.size(), 2u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<std::string> texts = Texts(pages[p]);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0], "Vendarion: Namen in Berlin");
        EXPECT_EQ(texts[1], "(Seite " + std::to_string(p + 1) + ")");
        // The rule runs from the left margin to the text width.
        const PrintItem& rule = pages[p].items[2];
        EXPECT_EQ(rule.kind, PrintItem::Kind::kRule);
        EXPECT_EQ(rule.x, 170);
        EXPECT_EQ(rule.right, geometry.width);
        // Nothing ends below the bottom limit.
        for (const PrintItem& item : pages[p].items) {
            EXPECT_LE(item.y + measure.LineHeight(item.font), geometry.bottom);
        }
    }
    // Every block is printed once, in order, and whole on its page.
    std::vector<std::string> names;
    for (const PrintPage& page : pages) {
        for (const PrintItem& item : page.items) {
            if (item.font == PrintFont::kBold && item.text.starts_with("Eintrag ")) {
                names.push_back(item.text);
            }
        }
    }
    ASSERT_EQ(names.size(), 75u);
    EXPECT_EQ(names.front(), "Eintrag 0");
    EXPECT_EQ(names.back(), "Eintrag 74");
    const std::vector<std::string> second = Texts(pages[1]);
    EXPECT_TRUE(second[2].starts_with("Eintrag "));
}

TEST(PrintPages, TheFirstBlockGoesBelowTheHeaderAndBlocksFollowWithAGap) {
    const PrintGeometry geometry = PrintGeometryFor(300, 2400, 3400);
    FixedMeasure measure(geometry);
    const std::vector<PrintRow> rows = {Row(1), Row(2)};
    const std::vector<PrintPage> pages = LayOutPrint(geometry, measure, rows, "Titel");
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PrintItem>& items = pages[0].items;
    // Header 60, page line 42 * 1.5 = 63, then the rule, then 36 + 18.
    EXPECT_EQ(items[1].y, 100 + 60);
    EXPECT_EQ(items[2].y, 100 + 60 + 63);
    EXPECT_EQ(items[3].y, 100 + 60 + 63 + 36 + 18);
    // The block: name (42), street, place, phone (36 each), then a gap of 36.
    const int second_block = items[3].y + 42 + 3 * 36 + 36;
    EXPECT_EQ(items[7].text, "Eintrag 2");
    EXPECT_EQ(items[7].y, second_block);
    EXPECT_EQ(items[7].right, 170 + geometry.width);
    EXPECT_EQ(items[7].bottom, 100 + geometry.bottom);
}

}  // namespace
}  // namespace vendarion
