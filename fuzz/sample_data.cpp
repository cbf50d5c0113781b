#include "sample_data.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "sample_data_set.h"

namespace vendarion::fuzz {
namespace {

// Never freed: the handler that removes the folder at exit still needs it.
const std::string& Root() {
    static const std::string* root = [] {
        auto* made =
            new std::string(std::filesystem::temp_directory_path().string() + "/vfuzz-XXXXXX");
        if (::mkdtemp(made->data()) == nullptr) std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Root(), ignored);
        });
        return made;
    }();
    return *root;
}

}  // namespace

const std::string& SampleDataFolder() {
    static const std::string folder = [] {
        const std::string path = Root() + "/sample";
        if (::mkdir(path.c_str(), 0755) != 0) std::abort();
        if (!test::WriteSampleDataSet(test::MakeSampleDataSet(), path)) std::abort();
        return path;
    }();
    return folder;
}

std::string ScratchFolder(const char* name) {
    const std::string path = Root() + "/" + name;
    if (::mkdir(path.c_str(), 0755) != 0) std::abort();
    return path;
}

}  // namespace vendarion::fuzz
