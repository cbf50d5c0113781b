#include "output/export_format.h"

namespace vendarion {
namespace {

using namespace export_flag;

constexpr ExportFormat kFormats[kExportFormatCount] = {
    {"Komma getrennte Werte (DOS)", 1 | kQuoted | kOem, "*.csv", ','},
    {"Komma getrennte Werte (Windows)", 1 | kQuoted, "*.csv", ','},
    {"Tabulator getrennte Werte (DOS)", 1 | kQuoted | kOem, "*.txt", '\t'},
    {"Tabulator getrennte Werte (Windows)", 1 | kQuoted, "*.txt", '\t'},
    {"Outlook deutsch", 2 | kQuoted, "*.csv", ','},
    {"Outlook englisch", 4 | kQuoted, "*.csv", ','},
    {"Internetseite (HTML)", 1 | kHtml, "*.html", 0},
    // The fields of an RTF line are separated by single blanks.
    {"RTF-Format", 1 | kRtf, "*.rtf", ' '},
    {"Word Serienbrief", 1 | kQuoted, "*.csv", ';'},
};

}  // namespace

std::span<const ExportFormat> ExportFormats() { return kFormats; }

std::string_view ExportExtension(const ExportFormat& format) {
    const std::size_t dot = format.file_pattern.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : format.file_pattern.substr(dot + 1);
}

}  // namespace vendarion
