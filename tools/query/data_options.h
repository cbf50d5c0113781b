// What the data commands of vendarion-query share: the --data option, opening the
// data set with a clear error, number parsing and tab-separated UTF-8 output.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "commands.h"
#include "store/data_set.h"

namespace vendarion::query_tool {

struct DataArguments {
    std::string folder;    // value of --data DIR (or --data=DIR)
    Arguments positional;  // everything else, in order
};

// Splits off --data; false (after printing a usage error) when it is missing.
[[nodiscard]] bool ParseDataArguments(const Arguments& args, std::string_view command,
                                      DataArguments* out);
// Opens the data set; false after printing which archive or reader failed.
[[nodiscard]] bool OpenDataSet(const std::string& folder, DataSet* data_set);
// A whole non-negative decimal number, or nothing.
std::optional<int> ParseNumber(std::string_view text);
// Prints the fields (Windows-1252, converted to UTF-8) separated by tabs, one line.
void PrintRow(std::initializer_list<std::string_view> fields);
std::string Number(long long value);

}  // namespace vendarion::query_tool
