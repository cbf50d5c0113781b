// The mount table of /proc/self/mountinfo, read to tell local disks, network file
// systems and optical media apart. Pure functions over the file's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/platform.h"

namespace vendarion {

struct MountEntry {
    std::string mount_point;  // with the table's octal escapes (\040 ...) decoded
    std::string file_system;  // the file system type, such as "ext4" or "iso9660"
};

// The entries of a mountinfo text in order; malformed lines are skipped.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// iso9660 and udf are optical; nfs, nfs4, cifs, smb3, smbfs, fuse.sshfs, sshfs and
// 9p are remote; every other type is fixed.
DriveType ClassifyFileSystem(std::string_view file_system);

// True when folder is the path itself or one of its parent folders ("/" holds every
// absolute path).
bool PathIsUnder(std::string_view folder, std::string_view path);

// The drive type of the mount that holds an absolute path: the entry with the longest
// mount point that is the path or one of its parent folders (the last such entry
// when a mount point is mounted over). Fixed when none matches.
DriveType DriveTypeOfPath(const std::vector<MountEntry>& mounts, std::string_view path);

}  // namespace vendarion
