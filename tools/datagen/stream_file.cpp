#include "stream_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vendarion::datagen {

StreamFile::~StreamFile() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    std::remove(temp_path_.c_str());
}

bool StreamFile::Open(const std::string& path) {
    path_ = path;
    temp_path_ = path + ".tmp";
    file_ = std::fopen(temp_path_.c_str(), "wb");
    failed_ = file_ == nullptr;
    return file_ != nullptr;
}

void StreamFile::Append(std::string_view text) {
    if (file_ == nullptr || failed_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

bool StreamFile::Finish() {
    if (file_ == nullptr) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
    const int saved = errno;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (ok && std::rename(temp_path_.c_str(), path_.c_str()) == 0) return true;
    errno = saved != 0 ? saved : errno;
    std::remove(temp_path_.c_str());
    return false;
}

}  // namespace vendarion::datagen
