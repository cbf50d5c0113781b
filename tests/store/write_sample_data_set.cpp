// write_sample_data_set FOLDER [--without MEMBER] [--flip MEMBER OFFSET] [--sources]
// Writes the tests' sample data set into FOLDER, optionally without one member or
// with the byte at OFFSET of one member inverted (for the command-line tool's test);
// with --sources, writes the same data as source files of the data compiler.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sample_data_set.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: write_sample_data_set FOLDER [--without MEMBER] "
                     "[--flip MEMBER OFFSET] [--sources]\n");
        return 2;
    }
    std::string without;
    std::string flip;
    std::size_t flip_offset = 0;
    bool sources = false;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--without" && i + 1 < argc) {
            without = argv[++i];
        } else if (option == "--sources") {
            sources = true;
        } else if (option == "--flip" && i + 2 < argc) {
            flip = argv[++i];
            flip_offset = std::strtoul(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr, "write_sample_data_set: unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (sources) {
        if (vendarion::test::WriteSampleSources(vendarion::test::MakeSampleDataSet(), argv[1])) {
            return 0;
        }
        std::fprintf(stderr, "write_sample_data_set: cannot write %s\n", argv[1]);
        return 1;
    }
    const auto edit = [&](const std::string&, const std::string& member, std::string* bytes) {
        if (member == flip && flip_offset < bytes->size()) {
            (*bytes)[flip_offset] = static_cast<char>(~(*bytes)[flip_offset]);
        }
        return member != without;
    };
    if (!vendarion::test::WriteSampleDataSet(vendarion::test::MakeSampleDataSet(), argv[1], edit)) {
        std::fprintf(stderr, "write_sample_data_set: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
