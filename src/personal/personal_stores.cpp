#include "personal/personal_stores.h"

#include <sys/stat.h>

#include "base/atomic_file.h"
#include "base/setting_names.h"

namespace vendarion {
namespace {

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The folder part of a path, up to and including its last '/'.
std::string FolderPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::unique_ptr<EntryStore> OpenEntryStore(const std::string& path) {
    auto store = std::make_unique<EntryStore>();
    if (!IsRegularFile(path) && store->Save(path) != 0) return nullptr;
    if (!store->Load(path)) return nullptr;
    return store;
}

std::unique_ptr<EntryStore> OpenOrRenewEntryStore(const std::string& path,
                                                  std::string* set_aside_path) {
    set_aside_path->clear();
    RemoveStaleTemporaries(path);
    if (auto store = OpenEntryStore(path)) return store;
    // A regular file that does not load is kept under a name of its own, never
    // replaced; a path that is no regular file failed its first save and stays so.
    if (!IsRegularFile(path) || !SetFileAside(path, set_aside_path)) return nullptr;
    return OpenEntryStore(path);
}

PersonalStores OpenPersonalStores(Settings& settings) {
    PersonalStores stores;
    const std::string folder = Read(settings, setting::kHardDiskAppPath);
    if (folder.empty()) return stores;
    const std::string phone_book_path = folder + std::string(kPhoneBookFileName);
    std::string set_aside;
    stores.phone_book = OpenOrRenewEntryStore(phone_book_path, &set_aside);
    if (stores.phone_book != nullptr) stores.phone_book_path = phone_book_path;
    if (!set_aside.empty()) stores.set_aside.push_back(set_aside);
    const std::string notes_path = FolderPart(phone_book_path) + std::string(kNoteStoreFileName);
    stores.notes = OpenOrRenewEntryStore(notes_path, &set_aside);
    if (stores.notes != nullptr) stores.notes_path = notes_path;
    if (!set_aside.empty()) stores.set_aside.push_back(set_aside);
    return stores;
}

}  // namespace vendarion
