// A folder in which the four located archives stand under their own names, so that
// the data set can open them together. When the four paths already lie in one
// folder under those names, that folder is used; otherwise a private temporary
// folder of symbolic links is made, and removed again by the destructor (the data
// set's mappings outlive the links).
#pragma once

#include <array>
#include <string>

namespace vendarion {

class ArchiveFolder {
public:
    ArchiveFolder() = default;
    ~ArchiveFolder();
    ArchiveFolder(const ArchiveFolder&) = delete;
    ArchiveFolder& operator=(const ArchiveFolder&) = delete;

    // paths in the order index, code, list, data; names the standard file names in
    // the same order. Returns -1 when the folder is ready, else the number of the
    // archive whose link could not be made.
    [[nodiscard]] int Prepare(const std::array<std::string, 4>& paths,
                              const std::array<const char*, 4>& names);
    const std::string& Path() const { return path_; }

private:
    void RemoveLinks();

    std::string path_;
    bool temporary_ = false;
    std::array<std::string, 4> links_;
};

}  // namespace vendarion
