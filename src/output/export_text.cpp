#include "output/export_text.h"

#include <cstdint>
#include <string_view>

#include "output/export_format.h"
#include "output/oem_code_page.h"

namespace vendarion {
namespace {

using namespace export_flag;

constexpr std::string_view kHtmlStart =
    "<html>\r\n<head>\r\n<title>Vendarion</title>\r\n</head>\r\n<body>\r\n"
    "<h1 align=\"center\">Vendarion</h1>\r\n<table border=\"1\" align=\"center\">\r\n";
constexpr std::string_view kHtmlEnd = "</body>\r\n</table>\r\n</html>\r\n";
constexpr std::string_view kRtfStart =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fnil Courier Neu;}}\n"
    "{\\colortbl\\red0\\green0\\blue0;}\n"
    "\\deflang1031\\horzdoc{\\*\\fchars }{\\*\\lchars }\\pard\\plain\\f2\\fs20\n";
constexpr std::string_view kRtfEnd = "}\n";

// The Windows-1252 letters that both escape passes replace, with their HTML names.
struct EscapedLetter {
    std::uint8_t byte;
    std::string_view html;
};
constexpr EscapedLetter kEscapedLetters[] = {
    {0xC4, "&Auml;"},   {0xD6, "&Ouml;"},   {0xDC, "&Uuml;"},   {0xDF, "&szlig;"},
    {0xE0, "&agrave;"}, {0xE1, "&aacute;"}, {0xE2, "&acirc;"},  {0xE3, "&atilde;"},
    {0xE4, "&auml;"},   {0xE7, "&ccedil;"}, {0xE8, "&egrave;"}, {0xE9, "&eacute;"},
    {0xEA, "&ecirc;"},  {0xEB, "&euml;"},   {0xEC, "&igrave;"}, {0xED, "&iacute;"},
    {0xEE, "&icirc;"},  {0xEF, "&iuml;"},   {0xF1, "&ntilde;"}, {0xF2, "&ograve;"},
    {0xF3, "&oacute;"}, {0xF4, "&ocirc;"},  {0xF5, "&otilde;"}, {0xF6, "&ouml;"},
    {0xF9, "&ugrave;"}, {0xFA, "&uacute;"}, {0xFB, "&ucirc;"},  {0xFC, "&uuml;"},
};

const EscapedLetter* FindEscapedLetter(char c) {
    for (const EscapedLetter& letter : kEscapedLetters) {
        if (letter.byte == static_cast<std::uint8_t>(c)) return &letter;
    }
    return nullptr;
}

std::string EscapeLetters(std::string_view text, bool html) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        const EscapedLetter* letter = FindEscapedLetter(c);
        if (letter == nullptr) {
            out.push_back(c);
        } else if (html) {
            out += letter->html;
        } else {
            out += "\\'";
            out.push_back(kHex[letter->byte >> 4]);
            out.push_back(kHex[letter->byte & 0xF]);
        }
    }
    return out;
}

// A field value made safe for the format's syntax.
void AppendField(std::string_view value, std::uint32_t flags, std::string* out) {
    for (const char c : value) {
        if ((flags & kQuoted) != 0 && c == '"') {
            *out += "\"\"";
        } else if ((flags & kHtml) != 0 && (c == '&' || c == '<' || c == '>' || c == '"')) {
            *out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;";
        } else if ((flags & kRtf) != 0 && (c == '\\' || c == '{' || c == '}')) {
            out->push_back('\\');
            out->push_back(c);
        } else {
            out->push_back(c);
        }
    }
}

struct RowPieces {
    std::string start;
    std::string separator;
    std::string end;
    std::string_view placeholder;
};

RowPieces PiecesFor(const ExportFormat& format) {
    const std::uint32_t flags = format.flags;
    const std::string quote = (flags & kQuoted) != 0 ? "\"" : "";
    RowPieces pieces;
    if ((flags & kHtml) != 0) pieces.start += "<tr>\r\n<td align=\"center\">";
    if ((flags & kRtf) != 0) pieces.start += "\\par ";
    pieces.start += quote;
    pieces.separator = quote;
    if ((flags & kHtml) != 0) {
        pieces.separator += "</td><td align=\"center\">";
    } else if (format.separator != 0) {
        pieces.separator.push_back(format.separator);
        if (format.separator != ' ' && format.separator != '\t') pieces.separator.push_back(' ');
    }
    pieces.separator += quote;
    pieces.end = quote;
    if ((flags & kHtml) != 0) pieces.end += "</td>\r\n</tr>";
    pieces.end += "\r\n";
    if ((flags & kHtml) != 0) pieces.placeholder = "&nbsp;";
    return pieces;
}

// The seven columns: name, first name, heading, street with house number, postal
// code, town, area code with phone number. An empty column gets the placeholder;
// the phone column counts as empty when the number is (even after an area code).
void AppendRow(const SubscriberEntry& e, const ExportFormat& format, const RowPieces& pieces,
               std::string* out) {
    const auto column = [&](std::string_view value, bool empty) {
        AppendField(value, format.flags, out);
        if (empty) *out += pieces.placeholder;
    };
    const auto single = [&](EntryField field) { column(e[field], e[field].empty()); };
    *out += pieces.start;
    single(EntryField::kName);
    *out += pieces.separator;
    single(EntryField::kFirstName);
    *out += pieces.separator;
    single(EntryField::kHeading);
    *out += pieces.separator;
    const std::string& street = e[EntryField::kStreet];
    const std::string& house = e[EntryField::kHouseNumber];
    column(street, street.empty() && house.empty());
    if (!house.empty()) {
        out->push_back(' ');
        AppendField(house, format.flags, out);
    }
    *out += pieces.separator;
    single(EntryField::kPostalCode);
    *out += pieces.separator;
    single(EntryField::kTown);
    *out += pieces.separator;
    const std::string& area = e[EntryField::kAreaCode];
    if (!area.empty()) {
        AppendField(area, format.flags, out);
        out->push_back(' ');
    }
    single(EntryField::kPhoneNumber);
    *out += pieces.end;
}

SubscriberEntry HeaderRecord(std::uint32_t header) {
    // Titles per field: name, first name, heading, street, town, postal code, phone.
    // "\337" is the sharp s (0xDF).
    struct Titles {
        std::string_view texts[7];
    };
    constexpr Titles kGerman = {
        {"Nachname", "Vorname", "Beruf", "Stra\337e", "Ort", "Postleitzahl", "Telefon"}};
    constexpr Titles kGermanPrivate = {{"Nachname", "Vorname", "Beruf", "Stra\337e privat",
                                        "Ort privat", "Postleitzahl privat", "Telefon privat"}};
    constexpr Titles kEnglish = {{"Last Name", "First Name", "Profession", "Home Street",
                                  "Home City", "Home Postal Code", "Home Phone"}};
    const Titles& titles = header == 1 ? kGerman : header == 2 ? kGermanPrivate : kEnglish;
    constexpr EntryField kFields[7] = {
        EntryField::kName, EntryField::kFirstName,  EntryField::kHeading,    EntryField::kStreet,
        EntryField::kTown, EntryField::kPostalCode, EntryField::kPhoneNumber};
    SubscriberEntry record;
    for (int i = 0; i < 7; ++i) record[kFields[i]] = std::string(titles.texts[i]);
    return record;
}

}  // namespace

int BuildExportText(std::span<const SubscriberEntry> entries, int format_index, std::string* out) {
    out->clear();
    if (format_index < 0 || format_index >= kExportFormatCount) return -1;
    const ExportFormat& format = ExportFormats()[static_cast<std::size_t>(format_index)];
    const RowPieces pieces = PiecesFor(format);
    std::string text;
    if ((format.flags & kHtml) != 0) text += kHtmlStart;
    if ((format.flags & kRtf) != 0) text += kRtfStart;
    const std::uint32_t header = format.flags & kHeaderMask;
    if (header == 1 || header == 2 || header == 4) {
        AppendRow(HeaderRecord(header), format, pieces, &text);
    }
    for (const SubscriberEntry& entry : entries) AppendRow(entry, format, pieces, &text);
    if ((format.flags & kOem) != 0) text = Cp1252ToCp850(text);
    if ((format.flags & kHtml) != 0) {
        text += kHtmlEnd;
        text = EscapeLetters(text, true);
    }
    if ((format.flags & kRtf) != 0) {
        text += kRtfEnd;
        text = EscapeLetters(text, false);
    }
    *out = std::move(text);
    return 0;
}

}  // namespace vendarion
