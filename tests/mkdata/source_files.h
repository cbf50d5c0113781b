// Writing a tiny source folder for the data compiler inside a test.
#pragma once

#include <map>
#include <string>

namespace vendarion::test {

// The eight source files, each with a small valid default unless overridden.
struct SourceFiles {
    std::map<std::string, std::string> files;
    SourceFiles();
    // Writes every file into dir.
    void WriteTo(const std::string& dir) const;
};

}  // namespace vendarion::test
