// The nine export formats. A format's index is also the stored setting ExportType
// and its place in the export dialog's list.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vendarion {

namespace export_flag {
inline constexpr std::uint32_t kHeaderMask = 0x07;  // 1 German, 2 German private, 4 English
inline constexpr std::uint32_t kQuoted = 0x10;      // every field in double quotes
inline constexpr std::uint32_t kOem = 0x20;         // finished text in code page 850
inline constexpr std::uint32_t kHtml = 0x100;       // page frame, cells, entities
inline constexpr std::uint32_t kRtf = 0x200;        // document frame, paragraphs, escapes
}  // namespace export_flag

struct ExportFormat {
    std::string_view display_name;  // Windows-1252
    std::uint32_t flags;
    std::string_view file_pattern;  // "*.csv"
    char separator;                 // 0 for none; unused in HTML
};

inline constexpr int kExportFormatCount = 9;

// The formats in index order.
std::span<const ExportFormat> ExportFormats();

// The extension of a format's file pattern, without the dot ("csv").
std::string_view ExportExtension(const ExportFormat& format);

}  // namespace vendarion
