#include "personal/desktop_note.h"

#include <algorithm>
#include <limits>

#include "base/ascii_text.h"
#include "base/cp1252.h"

namespace vendarion {
namespace {

constexpr std::size_t kMaxNameInFileName = 80;
constexpr std::string_view kLauncherExtension = ".desktop";
// The longest file name that Linux file systems take, in bytes.
constexpr std::size_t kMaxFileNameBytes = 255;

// The UTF-8 text cut to at most max bytes, never inside a character.
std::string CutUtf8(std::string text, std::size_t max) {
    if (text.size() <= max) return text;
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
    return text;
}

std::string CleanForFileName(std::string_view display_name) {
    std::string clean;
    for (const char c : display_name) {
        if (c != '"' && c != '*' && c != '?' && c != '\\' && c != '/') clean.push_back(c);
    }
    if (clean.size() > kMaxNameInFileName) {
        clean.resize(kMaxNameInFileName);
        clean += "...";
    }
    return clean;
}

// One argument of the Exec key in double quotes: '"', '`', '$' and '\' get a
// backslash, and every backslash is doubled once more as the file's string escape
// (a literal backslash becomes four); '%' is written as "%%".
std::string ExecArgument(std::string_view utf8) {
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (c == '\n' || c == '\r') continue;
        if (c == '\\') {
            quoted += "\\\\\\\\";
            continue;
        }
        if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        if (c == '%') quoted.push_back('%');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

// A value of the launcher file: line breaks and backslashes escaped.
std::string LauncherValue(std::string_view utf8) {
    std::string value;
    for (const char c : utf8) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\r')
            value += "\\r";
        else
            value.push_back(c);
    }
    return value;
}

}  // namespace

std::string NoteTitle(const SubscriberEntry& entry) {
    const std::string_view display_name = TrimBlanks(entry[EntryField::kDisplayName]);
    if (!display_name.empty()) return std::string(display_name);
    return entry[EntryField::kAreaCode] + " " + entry[EntryField::kPhoneNumber];
}

std::string LauncherFileName(const SubscriberEntry& entry) {
    std::string name = "(" + std::string(TrimBlanks(entry[EntryField::kAreaCode])) + ") " +
                       std::string(TrimBlanks(entry[EntryField::kPhoneNumber]));
    const std::string_view display_name = TrimBlanks(entry[EntryField::kDisplayName]);
    if (!display_name.empty()) name += " - " + CleanForFileName(display_name);
    // The area code and number come from the list as well; a slash there must not
    // lead out of the desktop folder.
    std::replace(name.begin(), name.end(), '/', ' ');
    // Long area codes or numbers must not make a name that no file system takes.
    return CutUtf8(Cp1252ToUtf8(name), kMaxFileNameBytes - kLauncherExtension.size()) +
           std::string(kLauncherExtension);
}

std::string LauncherPath(std::string_view desktop_folder, const SubscriberEntry& entry) {
    return std::string(desktop_folder) + "/" + LauncherFileName(entry);
}

std::vector<std::string> NoteArguments(std::int32_t note_id, const SubscriberEntry& entry) {
    return {"/id=" + std::to_string(note_id),
            "/phone=" + entry[EntryField::kAreaCode] + entry[EntryField::kPhoneNumber]};
}

std::int32_t NextNoteId(const EntryStore& notes) {
    std::int32_t highest = 0;
    for (int position = 0; position < notes.Count(); ++position) {
        highest = std::max(highest, notes.ValueAt(position));
    }
    return highest == std::numeric_limits<std::int32_t>::max() ? highest : highest + 1;
}

std::string LauncherText(std::string_view note_program, std::string_view icon, std::int32_t note_id,
                         const SubscriberEntry& entry) {
    std::string exec = ExecArgument(note_program);
    for (const std::string& argument : NoteArguments(note_id, entry)) {
        exec += " " + ExecArgument(Cp1252ToUtf8(argument));
    }
    return "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" +
           LauncherValue(Cp1252ToUtf8(NoteTitle(entry))) + "\nComment=\nExec=" + exec +
           "\nIcon=" + LauncherValue(icon) + "\nTerminal=false\n";
}

}  // namespace vendarion
