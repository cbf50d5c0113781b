#include "app/archive_folder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "app/archive_locator.h"

namespace vendarion {
namespace {

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    char folder[PATH_MAX];
    if (::getcwd(folder, sizeof folder) == nullptr) return path;
    return std::string(folder) + "/" + path;
}

std::string TemporaryRoot() {
    const char* root = std::getenv("TMPDIR");
    return root != nullptr && *root == '/' ? root : "/tmp";
}

}  // namespace

ArchiveFolder::~ArchiveFolder() { RemoveLinks(); }

int ArchiveFolder::Prepare(const std::array<std::string, 4>& paths,
                           const std::array<const char*, 4>& names) {
    RemoveLinks();
    const std::string folder = FolderOf(paths[0]);
    bool together = true;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        together = together && FolderOf(paths[i]) == folder && paths[i] == folder + names[i];
    }
    if (together) {
        path_ = folder.empty() ? "." : folder;
        return -1;
    }
    std::string pattern = TemporaryRoot() + "/vendarion-data-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) return 0;
    path_ = pattern;
    temporary_ = true;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const std::string link = path_ + "/" + names[i];
        if (::symlink(AbsolutePath(paths[i]).c_str(), link.c_str()) != 0) {
            return static_cast<int>(i);
        }
        links_[i] = link;
    }
    return -1;
}

void ArchiveFolder::RemoveLinks() {
    for (std::string& link : links_) {
        if (!link.empty()) ::unlink(link.c_str());
        link.clear();
    }
    if (temporary_) ::rmdir(path_.c_str());
    temporary_ = false;
    path_.clear();
}

}  // namespace vendarion
