// vendarion-mkdata: compiles the source files of a directory data set into the four
// data archives. Usage and the source format: FORMAT.md.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data_compiler.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "Usage: vendarion-mkdata [--list-block N] [--fan-out N] [--zlib-level N] "
                 "SOURCE_DIR OUTPUT_DIR\n");
    return 2;
}

bool ParseInt(const char* text, int* out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < -1000000 || value > 1000000) return false;
    *out = static_cast<int>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    vendarion::mkdata::CompileOptions options;
    std::string paths[2];
    int path_count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        int* target = arg == "--list-block"   ? &options.list_block
                      : arg == "--fan-out"    ? &options.fan_out
                      : arg == "--zlib-level" ? &options.zlib_level
                                              : nullptr;
        if (target != nullptr) {
            if (i + 1 >= argc || !ParseInt(argv[++i], target)) return Usage();
        } else if (arg.starts_with("-") || path_count == 2) {
            return Usage();
        } else {
            paths[path_count++] = argv[i];
        }
    }
    if (path_count != 2) return Usage();
    vendarion::mkdata::CompileLog log;
    const bool compiled = vendarion::mkdata::CompileDataSet(paths[0], paths[1], options, &log);
    for (const std::string& warning : log.warnings) {
        std::fprintf(stderr, "vendarion-mkdata: warning: %s\n", warning.c_str());
    }
    if (!compiled) {
        std::fprintf(stderr, "vendarion-mkdata: %s\n", log.error.c_str());
        return 1;
    }
    return 0;
}
