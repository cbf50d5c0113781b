#include "output/export_text.h"

#include <gtest/gtest.h>

#include "output/export_format.h"
#include "output/oem_code_page.h"

namespace vendarion {
namespace {

SubscriberEntry Meier() {
    SubscriberEntry e;
    e[EntryField::kName] = "Meier";
    e[EntryField::kFirstName] = "Hans";
    e[EntryField::kStreet] = "Hauptstr.";
    e[EntryField::kHouseNumber] = "5";
    e[EntryField::kPostalCode] = "50679";
    e[EntryField::kTown] = "K\xF6ln";
    e[EntryField::kAreaCode] = "0221";
    e[EntryField::kPhoneNumber] = "123456";
    return e;
}

std::string Export(int format, const std::vector<SubscriberEntry>& entries) {
    std::string text;
    EXPECT_EQ(BuildExportText(entries, format, &text), 0);
    return text;
}

// The data row of the last entry (the text after the header row).
std::string LastRow(int format, const SubscriberEntry& entry) {
    const std::string text = Export(format, {entry});
    const std::size_t start = text.find("\r\n") + 2;
    return text.substr(start, text.find("\r\n", start) + 2 - start);
}

const std::string kGermanTitles =
    "\"Nachname\", \"Vorname\", \"Beruf\", \"Stra\xDF"
    "e\", \"Postleitzahl\", \"Ort\", \"Telefon\"\r\n";
const std::string kMeierRow =
    "\"Meier\", \"Hans\", \"\", \"Hauptstr. 5\", \"50679\", \"K\xF6ln\", \"0221 123456\"\r\n";

TEST(BuildExportText, CommaSeparatedWindowsAndDos) {
    EXPECT_EQ(Export(1, {Meier()}), kGermanTitles + kMeierRow);
    std::string dos = kGermanTitles + kMeierRow;
    dos[dos.find('\xDF')] = '\xE1';
    dos[dos.find('\xF6')] = '\x94';
    EXPECT_EQ(Export(0, {Meier()}), dos);
}

TEST(BuildExportText, TabAndSemicolonSeparated) {
    const std::string tab_row =
        "\"Meier\"\t\"Hans\"\t\"\"\t\"Hauptstr. 5\"\t\"50679\"\t\"K\xF6ln\"\t\"0221 123456\"\r\n";
    EXPECT_EQ(LastRow(3, Meier()), tab_row);
    std::string dos_row = tab_row;
    dos_row[dos_row.find('\xF6')] = '\x94';
    EXPECT_EQ(LastRow(2, Meier()), dos_row);
    EXPECT_EQ(LastRow(8, Meier()),
              "\"Meier\"; \"Hans\"; \"\"; \"Hauptstr. 5\"; \"50679\"; \"K\xF6ln\"; "
              "\"0221 123456\"\r\n");
}

TEST(BuildExportText, ContactLayoutsHaveTheirTitles) {
    EXPECT_EQ(Export(4, {}),
              "\"Nachname\", \"Vorname\", \"Beruf\", \"Stra\xDF"
              "e privat\", \"Postleitzahl privat\", \"Ort privat\", \"Telefon privat\"\r\n");
    EXPECT_EQ(Export(5, {Meier()}),
              "\"Last Name\", \"First Name\", \"Profession\", \"Home Street\", "
              "\"Home Postal Code\", \"Home City\", \"Home Phone\"\r\n" +
                  kMeierRow);
}

TEST(BuildExportText, HtmlPage) {
    const std::string cell = "</td><td align=\"center\">";
    EXPECT_EQ(Export(6, {Meier()}),
              "<html>\r\n<head>\r\n<title>Vendarion</title>\r\n</head>\r\n<body>\r\n"
              "<h1 align=\"center\">Vendarion</h1>\r\n<table border=\"1\" align=\"center\">\r\n"
              "<tr>\r\n<td align=\"center\">Nachname" +
                  cell + "Vorname" + cell + "Beruf" + cell + "Stra&szlig;e" + cell +
                  "Postleitzahl" + cell + "Ort" + cell +
                  "Telefon</td>\r\n</tr>\r\n"
                  "<tr>\r\n<td align=\"center\">Meier" +
                  cell + "Hans" + cell + "&nbsp;" + cell + "Hauptstr. 5" + cell + "50679" + cell +
                  "K&ouml;ln" + cell +
                  "0221 123456</td>\r\n</tr>\r\n"
                  "</body>\r\n</table>\r\n</html>\r\n");
}

TEST(BuildExportText, RtfDocument) {
    EXPECT_EQ(Export(7, {Meier()}),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans "
              "Serif;}{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fnil Courier Neu;}}\n"
              "{\\colortbl\\red0\\green0\\blue0;}\n"
              "\\deflang1031\\horzdoc{\\*\\fchars }{\\*\\lchars }\\pard\\plain\\f2\\fs20\n"
              "\\par Nachname Vorname Beruf Stra\\'dfe Postleitzahl Ort Telefon\r\n"
              "\\par Meier Hans  Hauptstr. 5 50679 K\\'f6ln 0221 123456\r\n}\n");
}

TEST(BuildExportText, EmptyColumnsGetThePlaceholder) {
    SubscriberEntry e = Meier();
    e[EntryField::kStreet].clear();
    e[EntryField::kHouseNumber].clear();
    e[EntryField::kPhoneNumber].clear();
    EXPECT_EQ(LastRow(1, e),
              "\"Meier\", \"Hans\", \"\", \"\", \"50679\", \"K\xF6ln\", \"0221 \"\r\n");
    const std::string html = Export(6, {e});
    EXPECT_NE(html.find("Hans</td><td align=\"center\">&nbsp;</td><td align=\"center\">&nbsp;<"),
              std::string::npos);
    EXPECT_NE(html.find(">0221 &nbsp;</td>\r\n</tr>"), std::string::npos);
    // A house number without a street keeps its blank.
    e[EntryField::kHouseNumber] = "7";
    EXPECT_NE(LastRow(1, e).find("\"\", \" 7\""), std::string::npos);
}

TEST(BuildExportText, FieldValuesCannotBreakTheirFormat) {
    SubscriberEntry e;
    e[EntryField::kName] = "O\"Brien & <b>Co</b>";
    e[EntryField::kFirstName] = "{\\b x}";
    EXPECT_EQ(LastRow(1, e),
              "\"O\"\"Brien & <b>Co</b>\", \"{\\b x}\", \"\", \"\", \"\", \"\", \"\"\r\n");
    EXPECT_EQ(LastRow(3, e),
              "\"O\"\"Brien & <b>Co</b>\"\t\"{\\b x}\"\t\"\"\t\"\"\t\"\"\t\"\"\t\"\"\r\n");
    const std::string html = Export(6, {e});
    EXPECT_NE(html.find(">O&quot;Brien &amp; &lt;b&gt;Co&lt;/b&gt;</td>"), std::string::npos);
    EXPECT_NE(html.find(">{\\b x}</td>"), std::string::npos);
    EXPECT_NE(Export(7, {e}).find("\\par O\"Brien & <b>Co</b> \\{\\\\b x\\} "), std::string::npos);
}

TEST(BuildExportText, EscapePassesCoverTheTwentyEightLetters) {
    SubscriberEntry e;
    e[EntryField::kName] =
        "\xC4\xD6\xDC\xDF\xE0\xE1\xE2\xE3\xE4\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3"
        "\xF4\xF5\xF6\xF9\xFA\xFB\xFC\xC9";
    EXPECT_NE(Export(6, {e}).find(
                  "&Auml;&Ouml;&Uuml;&szlig;&agrave;&aacute;&acirc;&atilde;&auml;&ccedil;"
                  "&egrave;&eacute;&ecirc;&euml;&igrave;&iacute;&icirc;&iuml;&ntilde;&ograve;"
                  "&oacute;&ocirc;&otilde;&ouml;&ugrave;&uacute;&ucirc;&uuml;\xC9<"),
              std::string::npos);
    EXPECT_NE(Export(7, {e}).find("\\'c4\\'d6\\'dc\\'df\\'e0\\'e1\\'e2\\'e3\\'e4\\'e7\\'e8\\'e9"
                                  "\\'ea\\'eb\\'ec\\'ed\\'ee\\'ef\\'f1\\'f2\\'f3\\'f4\\'f5\\'f6"
                                  "\\'f9\\'fa\\'fb\\'fc\xC9 "),
              std::string::npos);
}

TEST(BuildExportText, UnknownFormatFailsWithEmptyText) {
    std::string text = "old";
    const std::vector<SubscriberEntry> entries{Meier()};
    EXPECT_EQ(BuildExportText(entries, 9, &text), -1);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(BuildExportText(entries, -1, &text), -1);
}

TEST(ExportFormats, TableAndExtensions) {
    ASSERT_EQ(ExportFormats().size(), 9u);
    EXPECT_EQ(ExportFormats()[8].display_name, "Word Serienbrief");
    EXPECT_EQ(ExportExtension(ExportFormats()[6]), "html");
    EXPECT_EQ(ExportExtension(ExportFormats()[2]), "txt");
}

TEST(Cp1252ToCp850, ConvertsLettersAndReplacesWhatIsMissing) {
    EXPECT_EQ(Cp1252ToCp850("abc \xC4\xD6\xDC\xE4\xF6\xFC\xDF\xE9"),
              "abc \x8E\x99\x9A\x84\x94\x81\xE1\x82");
    EXPECT_EQ(Cp1252ToCp850("\x80\x8A\x93\x94\x96\x81"), "?S\"\"-?");
}

}  // namespace
}  // namespace vendarion
