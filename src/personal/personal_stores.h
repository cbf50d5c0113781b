// Where the two personal stores live and how they are set up at start-up: both sit
// in the folder of the hard-disk copy of the program (setting HardDiskAppPath, a
// folder path ending with '/'). Without that folder both stores are absent.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"
#include "personal/entry_store.h"

namespace vendarion {

inline constexpr std::string_view kPhoneBookFileName = "PhoneBook.vdr";
inline constexpr std::string_view kNoteStoreFileName = "Memolet.vdr";

struct PersonalStores {
    std::unique_ptr<EntryStore> phone_book;  // null when absent
    std::string phone_book_path;
    std::unique_ptr<EntryStore> notes;  // null when absent
    std::string notes_path;
    // The new names of store files that could not be read and were set aside.
    std::vector<std::string> set_aside;
};

// Opens one store at path: a missing file (a folder of that name counts as missing)
// is first saved empty. Null when that save or the load fails; a damaged file is
// left untouched.
std::unique_ptr<EntryStore> OpenEntryStore(const std::string& path);

// As above, but a file that does not load is first moved aside (SetFileAside) and
// the store starts empty; *set_aside_path then holds the file's new name. Null when
// the file cannot be moved (it stays untouched) or the fresh store cannot be saved.
// Temporary files left by killed writers of path are removed first.
std::unique_ptr<EntryStore> OpenOrRenewEntryStore(const std::string& path,
                                                  std::string* set_aside_path);

// Both stores from the folder in HardDiskAppPath: the phone book in that folder, the
// notes in the folder part of the phone book path.
PersonalStores OpenPersonalStores(Settings& settings);

}  // namespace vendarion
