// Changing the desktop-note store file when more than one process writes it: the
// main window creates and removes notes, each running note program writes its own
// note's text. Every change re-reads the file under an exclusive lock on a lock file
// beside it, changes only its own record and writes the file back atomically, so
// no writer loses another's change and a killed writer leaves the old file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "personal/entry_store.h"

namespace vendarion {

enum class StoreUpdate {
    kSaved,       // the change was made and written
    kUnchanged,   // the change had nothing to write
    kUnreadable,  // the file is damaged or cannot be read: nothing was written
    kNotSaved,    // writing failed: the file is as it was
};

// Reads the store file (a missing file is an empty store), runs change on it and
// writes it back when change returns true, all under the lock. Unless the file was
// unreadable, *current then holds the store as the file now has it.
StoreUpdate UpdateStoreFile(const std::string& path, const std::function<bool(EntryStore&)>& change,
                            EntryStore* current);

// Reloads *store from the file; a file that cannot be read leaves *store as it was.
[[nodiscard]] bool ReloadStoreFile(const std::string& path, EntryStore* store);

enum class NoteSave {
    kSaved,
    kNoteMissing,  // no record has this id (the note was removed)
    kUnreadable,
    kNotSaved,
};

// Writes the note text of the record with this id.
NoteSave SaveNoteText(const std::string& path, std::int32_t note_id, std::string_view note_text);

}  // namespace vendarion
