// The export command without its window: how many rows may go, what the export
// dialog starts with and stores, and where the finished text goes. The window reads
// the selected rows into entries, shows the dialog, puts clipboard text in place and
// shows the messages these functions name.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/settings.h"
#include "store/subscriber_entry.h"

namespace vendarion {

// At most this many rows are exported at once.
inline constexpr int kMaxExportRows = 75;

namespace export_message {
inline constexpr int kTooMany = 1305;          // exclamation icon
inline constexpr int kClipboardFailed = 1320;  // exclamation icon
inline constexpr int kFileFailed = 1308;       // exclamation icon, argument: file name
inline constexpr int kNeedFileName = 1309;     // exclamation icon
inline constexpr int kClipboardOne = 1508;     // information icon
inline constexpr int kClipboardMany = 1502;    // information icon, argument: rows
inline constexpr int kFileOne = 1505;          // information icon
inline constexpr int kFileMany = 1503;         // information icon, argument: rows
}  // namespace export_message

// What the window shows: a string-table number and its argument (a number for %i,
// the file name for %s). message 0 means nothing to show.
struct ExportMessage {
    int message = 0;
    int number = 0;
    std::string text;
};

// Before the dialog: 1305 when more than kMaxExportRows rows are selected, else 0.
int CheckExportSelection(int selected_rows);

// The export dialog's choices.
struct ExportChoice {
    int format = 0;  // 0-8
    bool to_clipboard = false;
    std::string file_name;  // UTF-8 path
};

// The stored choices the dialog opens with: a stored format above 8 selects 8, a
// negative one selects 0.
ExportChoice ReadExportChoice(Settings& settings);

// "&Exportieren" in the dialog: stores the format and the destination at once; with
// the clipboard chosen or a file name given also the file name, and returns 0 (the
// dialog closes). Otherwise returns 1309 and the dialog stays open.
int StoreExportChoice(Settings& settings, const ExportChoice& choice);

// The file name after another format was chosen: everything after the last dot of
// its last path component is the new format's extension; a name without a dot there
// stays as it is (a dot in a folder's name is not an extension).
std::string FileNameForFormat(std::string_view file_name, int format);

// Builds the text of entries in the chosen format and writes it to the chosen file
// through a temporary file renamed over it (an old file stays whole on failure).
// selected_rows is the number the success message counts. For the clipboard, the
// window puts the text there itself and asks ClipboardExportMessage.
ExportMessage ExportToFile(std::span<const SubscriberEntry> entries, int format,
                           const std::string& path, int selected_rows);
ExportMessage ClipboardExportMessage(bool succeeded, int selected_rows);

// The text of entries in the chosen format as characters (UTF-8) for the clipboard:
// the Windows-1252 text decoded, or for the DOS formats their code page 850 text.
// Empty when there are no entries or the format is not one of the nine.
std::string BuildClipboardText(std::span<const SubscriberEntry> entries, int format);

}  // namespace vendarion
