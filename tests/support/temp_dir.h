// A fresh temporary folder for one test, removed with everything in it at the end.
#pragma once

#include <string>
#include <string_view>

namespace vendarion::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string File(std::string_view name) const;

private:
    std::string path_;
};

// Writes bytes to a file, replacing it; fails the current test on error.
void WriteFile(const std::string& path, std::string_view bytes);
// The file's bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace vendarion::test
