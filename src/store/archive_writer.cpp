#include "store/archive_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "store/archive_format.h"

namespace vendarion {
namespace {

using namespace archive_format;

void PutU32(std::string* out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

constexpr std::uint64_t kMaxOffset = std::numeric_limits<std::uint32_t>::max();

}  // namespace

std::string VersionMember(std::int16_t major, std::int16_t minor) {
    std::string bytes;
    for (const std::int16_t value : {major, minor}) {
        const auto bits = static_cast<std::uint16_t>(value);
        bytes.push_back(static_cast<char>(bits & 0xFF));
        bytes.push_back(static_cast<char>(bits >> 8));
    }
    return bytes;
}

ArchiveWriter::~ArchiveWriter() { Abandon(); }

bool ArchiveWriter::Create(const std::string& path) {
    Abandon();
    error_.clear();
    path_ = path;
    std::string pattern = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return Fail(path + ": " + std::strerror(errno));
    file_ = ::fchmod(fd, 0644) == 0 ? ::fdopen(fd, "wb") : nullptr;
    if (file_ == nullptr) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return Fail(path + ": " + std::strerror(errno));
    }
    temp_path_ = pattern;
    position_ = 0;
    entries_.clear();
    in_member_ = false;
    return true;
}

bool ArchiveWriter::BeginMember(std::string_view name) {
    if (file_ == nullptr) return Fail("archive not created");
    if (name.empty() || name.size() > kNameWidth || name.find('\0') != std::string_view::npos) {
        return Fail("bad member name '" + std::string(name) + "'");
    }
    entries_.push_back({static_cast<std::uint32_t>(position_), 0, std::string(name)});
    in_member_ = true;
    return true;
}

bool ArchiveWriter::Append(std::string_view bytes) {
    if (!in_member_) return Fail("data outside a member");
    if (!Write(bytes)) return false;
    Entry& entry = entries_.back();
    entry.length = static_cast<std::uint32_t>(position_ - entry.offset);
    return true;
}

bool ArchiveWriter::AddMember(std::string_view name, std::string_view bytes) {
    return BeginMember(name) && Append(bytes);
}

bool ArchiveWriter::Write(std::string_view bytes) {
    if (file_ == nullptr) return Fail("archive not created");
    if (bytes.size() > kMaxOffset - position_) {
        return Fail(path_ + ": archive larger than 4 GiB before its directory");
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        return Fail(path_ + ": " + std::strerror(errno));
    }
    position_ += bytes.size();
    return true;
}

bool ArchiveWriter::Finish() {
    if (file_ == nullptr) return Fail("archive not created");
    in_member_ = false;
    const std::uint64_t directory = position_;
    std::string tail;
    tail.reserve(entries_.size() * kEntrySize + kTrailerSize);
    for (const Entry& entry : entries_) {
        PutU32(&tail, entry.offset);
        PutU32(&tail, entry.length);
        std::string name = entry.name;
        name.resize(kNameWidth, '\0');
        tail += name;
    }
    PutU32(&tail, static_cast<std::uint32_t>(directory));
    // The directory itself may reach past 4 GiB; only its start must fit.
    std::FILE* file = file_;
    const bool written = std::fwrite(tail.data(), 1, tail.size(), file) == tail.size() &&
                         std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const int cause = errno;
    file_ = nullptr;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || ::rename(temp_path_.c_str(), path_.c_str()) != 0) {
        const int error = (!written || !closed) ? cause : errno;
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
        return Fail(path_ + ": " + std::strerror(error));
    }
    temp_path_.clear();
    return true;
}

void ArchiveWriter::Abandon() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temp_path_.empty()) {
        ::unlink(temp_path_.c_str());
        temp_path_.clear();
    }
    in_member_ = false;
}

bool ArchiveWriter::Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    return false;
}

}  // namespace vendarion
