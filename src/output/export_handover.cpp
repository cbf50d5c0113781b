#include "output/export_handover.h"

#include <algorithm>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/setting_names.h"
#include "output/export_format.h"
#include "output/export_text.h"
#include "output/oem_code_page.h"

namespace vendarion {

int CheckExportSelection(int selected_rows) {
    return selected_rows > kMaxExportRows ? export_message::kTooMany : 0;
}

ExportChoice ReadExportChoice(Settings& settings) {
    ExportChoice choice;
    choice.format = std::clamp(Read(settings, setting::kExportType), 0, kExportFormatCount - 1);
    choice.to_clipboard = Read(settings, setting::kExportClipboard) != 0;
    choice.file_name = Read(settings, setting::kExportFilename);
    return choice;
}

int StoreExportChoice(Settings& settings, const ExportChoice& choice) {
    Write(settings, setting::kExportType, choice.format);
    Write(settings, setting::kExportClipboard, choice.to_clipboard ? 1 : 0);
    if (!choice.to_clipboard && choice.file_name.empty()) return export_message::kNeedFileName;
    Write(settings, setting::kExportFilename, choice.file_name);
    return 0;
}

std::string FileNameForFormat(std::string_view file_name, int format) {
    const std::size_t dot = file_name.rfind('.');
    const std::size_t slash = file_name.rfind('/');
    const bool in_folder =
        slash != std::string_view::npos && dot != std::string_view::npos && dot < slash;
    if (dot == std::string_view::npos || in_folder || format < 0 || format >= kExportFormatCount) {
        return std::string(file_name);
    }
    const ExportFormat& chosen = ExportFormats()[static_cast<std::size_t>(format)];
    return std::string(file_name.substr(0, dot + 1)) + std::string(ExportExtension(chosen));
}

ExportMessage ExportToFile(std::span<const SubscriberEntry> entries, int format,
                           const std::string& path, int selected_rows) {
    std::string text;
    if (entries.empty() || BuildExportText(entries, format, &text) != 0) return {};
    if (!ReplaceFileContents(path, text)) return {export_message::kFileFailed, 0, path};
    if (selected_rows < 2) return {export_message::kFileOne, 0, {}};
    return {export_message::kFileMany, selected_rows, {}};
}

ExportMessage ClipboardExportMessage(bool succeeded, int selected_rows) {
    if (!succeeded) return {export_message::kClipboardFailed, 0, {}};
    if (selected_rows < 2) return {export_message::kClipboardOne, 0, {}};
    return {export_message::kClipboardMany, selected_rows, {}};
}

std::string BuildClipboardText(std::span<const SubscriberEntry> entries, int format) {
    std::string text;
    if (entries.empty() || BuildExportText(entries, format, &text) != 0) return {};
    const ExportFormat& chosen = ExportFormats()[static_cast<std::size_t>(format)];
    if ((chosen.flags & export_flag::kOem) != 0) return Cp850ToUtf8(text);
    return Cp1252ToUtf8(text);
}

}  // namespace vendarion
