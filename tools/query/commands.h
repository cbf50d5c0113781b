// The subcommands of vendarion-query. Each takes the arguments after its name
// (UTF-8, as the terminal gives them), prints to standard output, reports errors on
// standard error and returns the process exit code.
#pragma once

#include <string_view>
#include <vector>

namespace vendarion::query_tool {

using Arguments = std::vector<std::string_view>;

int RunFold(const Arguments& args);
int RunPhonetic(const Arguments& args);
int RunArchive(const Arguments& args);
int RunExport(const Arguments& args);
int RunTones(const Arguments& args);
// Sends a search to the directory server of the Internet search.
int RunInternet(const Arguments& args);

// Data commands: each needs --data DIR, the folder of the four archives.
int RunTowns(const Arguments& args);
int RunPostalCodes(const Arguments& args);
int RunAreaCodes(const Arguments& args);
int RunWords(const Arguments& args);
int RunLookup(const Arguments& args);
int RunBook(const Arguments& args);
int RunFind(const Arguments& args);
int RunEntries(const Arguments& args);
int RunStreets(const Arguments& args);
int RunHeadings(const Arguments& args);
int RunBooks(const Arguments& args);
int RunBanks(const Arguments& args);
int RunCountries(const Arguments& args);
int RunSoundAlike(const Arguments& args);
int RunSearch(const Arguments& args);

// Prints "vendarion-query: message" to standard error and returns the usage exit code.
int UsageError(std::string_view message);
// Prints "vendarion-query: message" to standard error and returns the failure exit code.
int Failure(std::string_view message);

}  // namespace vendarion::query_tool
