// Where the two personal stores live and how they are set up at start-up: both sit
// in the folder of the hard-disk copy of the program (setting HardDiskAppPath, a
// folder path ending with '/'). Without that folder both stores are absent.
#pragma once

#include <memory>
#include <string>
#include <string_view>

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
};

// Opens one store at path: a missing file (a folder of that name counts as missing)
// is first saved empty. Null when that save or the load fails; a damaged file is
// left untouched.
std::unique_ptr<EntryStore> OpenEntryStore(const std::string& path);

// Both stores from the folder in HardDiskAppPath: the phone book in that folder, the
// notes in the folder part of the phone book path.
PersonalStores OpenPersonalStores(Settings& settings);

}  // namespace vendarion
