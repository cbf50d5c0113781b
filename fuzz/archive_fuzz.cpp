// Opens arbitrary bytes as an archive file and reads every member it hands out.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/archive_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("archive", MFD_CLOEXEC);
    if (fd < 0) return 0;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        vendarion::ArchiveFile archive;
        if (archive.Open("/proc/self/fd/" + std::to_string(fd))) {
            unsigned sum = 0;
            for (int i = 0; i < archive.EntryCount(); ++i) {
                const vendarion::ByteView member = archive.EntryMember(i);
                for (std::size_t b = 0; b < member.size(); ++b) sum += member.data()[b];
                vendarion::ByteView found;
                if (archive.Find(archive.EntryName(i), &found) && found.size() > 0) {
                    sum += found.data()[found.size() - 1];
                }
            }
            (void)archive.Version();
            (void)archive.Member("VERSION");
            if (sum == 0xFFFFFFFFu) ::abort();  // keeps the reads from being optimised away
        }
    }
    ::close(fd);
    return 0;
}
