// The four archives of a data set, built side by side under temporary names and put
// in place together: either all four targets are replaced or none is. One thread.
#pragma once

#include <array>
#include <string>

#include "store/archive_writer.h"

namespace vendarion::mkdata {

enum ArchiveIndex : int { kIndexArchive = 0, kCodeArchive, kListArchive, kDataArchive };

class ArchiveSet {
public:
    ArchiveSet() = default;
    ~ArchiveSet();  // removes whatever an unfinished build left
    ArchiveSet(const ArchiveSet&) = delete;
    ArchiveSet& operator=(const ArchiveSet&) = delete;

    // Starts the four archives Index.mf, Code.mf, List.mf and Data.mf in dir.
    [[nodiscard]] bool Create(const std::string& dir);
    ArchiveWriter& operator[](ArchiveIndex which) { return writers_[which]; }
    // Completes all four, then renames them over the targets.
    [[nodiscard]] bool Commit();
    // What went wrong, for the caller's message.
    const std::string& Error() const { return error_; }

private:
    void RemoveFinished();

    std::string dir_;
    std::array<ArchiveWriter, 4> writers_;
    std::array<bool, 4> finished_{};
    std::string error_;
};

// File name of an archive: "Index.mf", "Code.mf", "List.mf", "Data.mf".
const char* ArchiveName(ArchiveIndex which);

}  // namespace vendarion::mkdata
