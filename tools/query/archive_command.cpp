#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"
#include "store/archive_file.h"

namespace vendarion::query_tool {

int RunArchive(const Arguments& args) {
    if (args.size() != 1) return UsageError("archive needs exactly one file");
    const std::string path(args[0]);
    ArchiveFile archive;
    if (!archive.Open(path)) {
        const int error = archive.LastError();
        if (error == 0) return Failure(path + ": missing or empty file");
        if (error == EINVAL) return Failure(path + ": damaged archive (directory out of bounds)");
        return Failure(path + ": " + std::strerror(error));
    }
    const ArchiveVersion version = archive.Version();
    std::printf("# %s: %d members, directory at %u, version %d.%d\n", path.c_str(),
                archive.EntryCount(), archive.DirectoryOffset(), version.major, version.minor);
    std::printf("# offset\tlength\tname\n");
    for (int i = 0; i < archive.EntryCount(); ++i) {
        const ByteView member = archive.EntryMember(i);
        const std::string_view name = archive.EntryName(i);
        std::printf("%u\t%zu\t%.*s\n", archive.EntryOffset(i), member.size(),
                    static_cast<int>(name.size()), name.data());
    }
    return 0;
}

}  // namespace vendarion::query_tool
