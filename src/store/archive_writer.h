// Builds an archive file member by member, streaming member data to a temporary
// file beside the target; Finish appends the directory and renames the temporary
// file over the target, so a failed or abandoned build never leaves a partial
// archive under the target's name. One thread per writer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

class ArchiveWriter {
public:
    ArchiveWriter() = default;
    ~ArchiveWriter();  // abandons an unfinished archive
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    // Starts an archive that Finish will place at path.
    [[nodiscard]] bool Create(const std::string& path);
    // Starts a member; names are 1 to 80 ASCII bytes without a zero byte. The data
    // appended until the next BeginMember or Finish belongs to it.
    [[nodiscard]] bool BeginMember(std::string_view name);
    [[nodiscard]] bool Append(std::string_view bytes);
    [[nodiscard]] bool AddMember(std::string_view name, std::string_view bytes);
    // Bytes written so far; offsets of later members start here.
    std::uint64_t Position() const { return position_; }
    // Writes the directory and the trailer, flushes, and renames into place.
    [[nodiscard]] bool Finish();
    // Removes the temporary file; the target is left as it was.
    void Abandon();
    // What went wrong, for the caller's error message.
    const std::string& Error() const { return error_; }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
        std::string name;
    };
    [[nodiscard]] bool Fail(std::string message);
    [[nodiscard]] bool Write(std::string_view bytes);

    std::string path_;
    std::string temp_path_;
    std::FILE* file_ = nullptr;
    std::uint64_t position_ = 0;
    std::vector<Entry> entries_;
    bool in_member_ = false;
    std::string error_;
};

// The four bytes of a VERSION member.
std::string VersionMember(std::int16_t major, std::int16_t minor);

}  // namespace vendarion
