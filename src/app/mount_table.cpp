#include "app/mount_table.h"

#include <array>

namespace vendarion {
namespace {

// Splits at single blanks; mountinfo fields never contain a raw blank.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t blank = line.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? line.size() : blank;
        if (end > start) fields.push_back(line.substr(start, end - start));
        if (blank == std::string_view::npos) break;
        start = blank + 1;
    }
    return fields;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes blank, tab, newline and backslash in paths as \ooo.
std::string DecodeEscapes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && IsOctal(text[i + 1]) &&
            IsOctal(text[i + 2]) && IsOctal(text[i + 3])) {
            const int value =
                (text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 + (text[i + 3] - '0');
            out.push_back(static_cast<char>(value));
            i += 3;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> mounts;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        // id parent major:minor root mount-point options [optional...] - type source super
        const std::vector<std::string_view> fields = Fields(line);
        std::size_t separator = 6;
        while (separator < fields.size() && fields[separator] != "-") ++separator;
        if (fields.size() < 5 || separator + 1 >= fields.size()) continue;
        mounts.push_back({DecodeEscapes(fields[4]), std::string(fields[separator + 1])});
    }
    return mounts;
}

DriveType ClassifyFileSystem(std::string_view file_system) {
    constexpr std::array<std::string_view, 2> kOptical = {"iso9660", "udf"};
    constexpr std::array<std::string_view, 8> kRemote = {"nfs",   "nfs4",       "cifs",  "smb3",
                                                         "smbfs", "fuse.sshfs", "sshfs", "9p"};
    for (const std::string_view type : kOptical) {
        if (file_system == type) return DriveType::kOptical;
    }
    for (const std::string_view type : kRemote) {
        if (file_system == type) return DriveType::kRemote;
    }
    return DriveType::kFixed;
}

bool PathIsUnder(std::string_view folder, std::string_view path) {
    if (folder == "/") return !path.empty() && path.front() == '/';
    if (folder.empty() || path.substr(0, folder.size()) != folder) return false;
    return path.size() == folder.size() || path[folder.size()] == '/';
}

DriveType DriveTypeOfPath(const std::vector<MountEntry>& mounts, std::string_view path) {
    const MountEntry* best = nullptr;
    for (const MountEntry& mount : mounts) {
        if (!PathIsUnder(mount.mount_point, path)) continue;
        if (best == nullptr || mount.mount_point.size() >= best->mount_point.size()) best = &mount;
    }
    return best == nullptr ? DriveType::kFixed : ClassifyFileSystem(best->file_system);
}

}  // namespace vendarion
