// Reading the tab-separated facts files: one record per line, '#' starts a
// comment line, empty lines are skipped.
#pragma once

#include <string>
#include <vector>

namespace vendarion::datagen {

using TsvRows = std::vector<std::vector<std::string>>;

// Every record of the file, each with exactly field_count fields. False with a
// message naming the file and line otherwise.
[[nodiscard]] bool ReadTsv(const std::string& path, std::size_t field_count, TsvRows* rows,
                           std::string* error);

// Every line of a plain text file, without line ends (LF or CR LF).
[[nodiscard]] bool ReadLines(const std::string& path, std::vector<std::string>* lines,
                             std::string* error);

}  // namespace vendarion::datagen
