// A platform for start-up tests: a program path, drive types by folder, and optical
// mount points given by the test; files are looked up on the real file system, in
// the test's temporary folders.
#pragma once

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "app/mount_table.h"
#include "app/platform.h"

namespace vendarion::test {

class FakePlatform final : public Platform {
public:
    std::string ProgramPath() override { return program_path; }
    DriveType DriveTypeOf(const std::string& path) override {
        DriveType type = DriveType::kFixed;
        std::size_t longest = 0;
        for (const auto& [folder, folder_type] : drives) {
            if (PathIsUnder(folder, path) && folder.size() >= longest) {
                type = folder_type;
                longest = folder.size();
            }
        }
        asked.push_back(path);
        return type;
    }
    bool FileExists(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    }
    std::string UserDataFolder() override { return user_data_folder; }
    std::vector<std::string> OpticalMountPoints() override {
        std::vector<std::string> points;
        for (const auto& [folder, type] : drives) {
            if (type == DriveType::kOptical) points.push_back(folder);
        }
        return points;
    }

    std::string program_path;
    std::string user_data_folder;
    std::vector<std::pair<std::string, DriveType>> drives;  // folder, type
    std::vector<std::string> asked;                         // paths whose type was asked
};

}  // namespace vendarion::test
