// write_sample_data_set FOLDER: writes the tests' sample data set into FOLDER.
#include <cstdio>

#include "sample_data_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_sample_data_set FOLDER\n");
        return 2;
    }
    if (!vendarion::test::WriteSampleDataSet(vendarion::test::MakeSampleDataSet(), argv[1])) {
        std::fprintf(stderr, "write_sample_data_set: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
