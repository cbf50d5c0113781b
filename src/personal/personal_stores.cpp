#include "personal/personal_stores.h"

#include <sys/stat.h>

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

PersonalStores OpenPersonalStores(Settings& settings) {
    PersonalStores stores;
    const std::string folder = Read(settings, setting::kHardDiskAppPath);
    if (folder.empty()) return stores;
    const std::string phone_book_path = folder + std::string(kPhoneBookFileName);
    stores.phone_book = OpenEntryStore(phone_book_path);
    if (stores.phone_book != nullptr) stores.phone_book_path = phone_book_path;
    const std::string notes_path = FolderPart(phone_book_path) + std::string(kNoteStoreFileName);
    stores.notes = OpenEntryStore(notes_path);
    if (stores.notes != nullptr) stores.notes_path = notes_path;
    return stores;
}

}  // namespace vendarion
