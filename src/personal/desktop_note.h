// The rules of desktop notes that need no window: a note's title, its launcher file
// (a freedesktop .desktop file in the desktop folder whose name is rebuilt from the
// entry each time), the note program's arguments and the id of a new note. Entry
// texts are Windows-1252; file names and launcher contents are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "personal/entry_store.h"
#include "store/subscriber_entry.h"

namespace vendarion {

// The display name, or when it is empty the area code, one blank and the phone
// number (Windows-1252, for the messages).
std::string NoteTitle(const SubscriberEntry& entry);

// "(A) N - T.desktop", or "(A) N.desktop" without a display name, in UTF-8. The
// display name loses every double quote, asterisk, question mark, backslash and
// slash, and is cut to 80 characters followed by "..." when longer. The whole name
// is cut to the 255 bytes a file name may have.
std::string LauncherFileName(const SubscriberEntry& entry);
// desktop_folder + "/" + LauncherFileName(entry).
std::string LauncherPath(std::string_view desktop_folder, const SubscriberEntry& entry);

// The note program's two arguments: "/id=<id>" and "/phone=<area code><number>"
// (Windows-1252, as the note program receives them).
std::vector<std::string> NoteArguments(std::int32_t note_id, const SubscriberEntry& entry);

// The id for a new note: one more than the highest id stored, 1 for an empty store,
// so an id is never given twice while its note exists.
std::int32_t NextNoteId(const EntryStore& notes);

// The launcher file: starts the note program with the note's arguments and shows the
// note title and the icon (a file path or an icon name). Each argument is quoted for
// the Exec key.
std::string LauncherText(std::string_view note_program, std::string_view icon, std::int32_t note_id,
                         const SubscriberEntry& entry);

}  // namespace vendarion
