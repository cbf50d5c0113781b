#include "app/installed_data.h"

#include <array>
#include <cstdio>

#include "app/archive_locator.h"
#include "app/platform.h"
#include "app/settings_file.h"
#include "base/setting_names.h"
#include "store/data_set.h"

namespace vendarion {
namespace {

constexpr std::string_view kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr std::string_view kDataSubfolder = "/vendarion/data";

constexpr std::array<const char*, 4> kArchiveNames = {DataSet::kIndexFile, DataSet::kCodeFile,
                                                      DataSet::kListFile, DataSet::kDataFile};

std::string Joined(const std::string& folder, std::string_view name) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + std::string(name);
}

}  // namespace

std::vector<std::string> InstalledDataFolders(std::string_view data_dirs,
                                              std::string_view build_data_folder) {
    if (data_dirs.empty()) data_dirs = kDefaultDataDirs;
    std::vector<std::string> folders;
    while (!data_dirs.empty()) {
        const std::size_t colon = data_dirs.find(':');
        std::string_view dir = data_dirs.substr(0, colon);
        while (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
        // Only absolute folders count.
        if (!dir.empty() && dir.front() == '/') {
            folders.push_back(std::string(dir) + std::string(kDataSubfolder));
        }
        data_dirs =
            colon == std::string_view::npos ? std::string_view() : data_dirs.substr(colon + 1);
    }
    if (!build_data_folder.empty()) folders.emplace_back(build_data_folder);
    return folders;
}

std::optional<std::string> FindInstalledData(Platform& platform,
                                             const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        bool complete = true;
        for (const char* name : kArchiveNames) {
            complete = complete && platform.FileExists(Joined(folder, name));
        }
        if (complete) return folder;
    }
    return std::nullopt;
}

bool WriteArchiveSettings(const std::string& settings_path, const std::string& folder) {
    // Written whole beside the final name and renamed over it, so that a failure
    // half-way leaves no settings file that a later start would take as set up.
    const std::string draft = settings_path + ".new";
    std::remove(draft.c_str());
    if (!CreateSettingsFile(draft)) return false;
    SettingsFile settings(draft);
    const std::array<TextSetting, 4> values = {setting::kIndexFilename, setting::kCodeFilename,
                                               setting::kListFilename, setting::kDataFilename};
    bool written = true;
    for (std::size_t i = 0; i < values.size() && written; ++i) {
        written = Write(settings, values[i], Joined(folder, kArchiveNames[i]));
    }
    if (written && std::rename(draft.c_str(), settings_path.c_str()) == 0) return true;
    std::remove(draft.c_str());
    return false;
}

bool SetUpUnlessDone(Platform& platform, const std::string& settings_path,
                     std::string_view data_dirs, std::string_view build_data_folder) {
    if (platform.FileExists(settings_path)) return false;
    const std::string program_folder = FolderOf(platform.ProgramPath());
    if (platform.FileExists(program_folder + DataSet::kIndexFile)) return false;
    const std::optional<std::string> folder =
        FindInstalledData(platform, InstalledDataFolders(data_dirs, build_data_folder));
    return folder && WriteArchiveSettings(settings_path, *folder);
}

}  // namespace vendarion
