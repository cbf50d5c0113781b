#include "personal/note_store_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vendarion {
namespace {

// An exclusive lock on path + ".lock", held for the object's life. The lock file
// itself is never replaced, so every writer locks the same file; the kernel frees
// the lock of a writer that is killed.
class StoreLock {
public:
    explicit StoreLock(const std::string& path)
        : fd_(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~StoreLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_;
};

bool Missing(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

}  // namespace

StoreUpdate UpdateStoreFile(const std::string& path, const std::function<bool(EntryStore&)>& change,
                            EntryStore* current) {
    const StoreLock lock(path);
    // Without the lock another writer's change could be lost: write nothing.
    if (!lock.Held()) return StoreUpdate::kNotSaved;
    EntryStore store;
    if (!Missing(path) && !store.Load(path)) return StoreUpdate::kUnreadable;
    StoreUpdate outcome = StoreUpdate::kUnchanged;
    if (change(store)) {
        if (store.Save(path) != 0) {
            // The file keeps what it had; so does the caller's view of it.
            EntryStore unchanged;
            if (!Missing(path) && unchanged.Load(path)) *current = std::move(unchanged);
            return StoreUpdate::kNotSaved;
        }
        outcome = StoreUpdate::kSaved;
    }
    *current = std::move(store);
    return outcome;
}

bool ReloadStoreFile(const std::string& path, EntryStore* store) {
    EntryStore fresh;
    if (!fresh.Load(path)) return false;
    *store = std::move(fresh);
    return true;
}

NoteSave SaveNoteText(const std::string& path, std::int32_t note_id, std::string_view note_text) {
    bool found = false;
    EntryStore store;
    const StoreUpdate outcome = UpdateStoreFile(
        path,
        [&](EntryStore& notes) {
            const int position = notes.FindValue(note_id);
            found = position >= 0;
            if (!found || notes.NoteTextAt(position) == note_text) return false;
            return notes.SetNoteText(position, note_text) == 0;
        },
        &store);
    switch (outcome) {
        case StoreUpdate::kSaved:
            return NoteSave::kSaved;
        case StoreUpdate::kUnchanged:
            return found ? NoteSave::kSaved : NoteSave::kNoteMissing;
        case StoreUpdate::kUnreadable:
            return NoteSave::kUnreadable;
        case StoreUpdate::kNotSaved:
            break;
    }
    return NoteSave::kNotSaved;
}

}  // namespace vendarion
