// The data compiler: reads the source files of a data set (FORMAT.md) and writes the
// four archives Index.mf, Code.mf, List.mf and Data.mf. Either all four archives in
// the output folder are replaced or none is.
#pragma once

#include <string>
#include <vector>

namespace vendarion::mkdata {

struct CompileOptions {
    int list_block = 64;  // records per block of the three sorted lists, >= 1
    int fan_out = 32;     // fan-out of the table index levels, 2 to 32767
    int zlib_level = 6;   // 0 to 9
};

struct CompileLog {
    std::string error;                  // "file:line: message" on failure
    std::vector<std::string> warnings;  // things compiled with a loss
};

// False with log->error set on bad options, bad source data or an output failure.
[[nodiscard]] bool CompileDataSet(const std::string& source_dir, const std::string& output_dir,
                                  const CompileOptions& options, CompileLog* log);

}  // namespace vendarion::mkdata
