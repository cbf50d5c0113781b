#include "data_options.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "base/cp1252.h"

namespace vendarion::query_tool {

bool ParseDataArguments(const Arguments& args, std::string_view command, DataArguments* out) {
    constexpr std::string_view kOption = "--data";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kOption && i + 1 < args.size()) {
            out->folder = std::string(args[++i]);
        } else if (args[i].starts_with("--data=")) {
            out->folder = std::string(args[i].substr(kOption.size() + 1));
        } else {
            out->positional.push_back(args[i]);
        }
    }
    if (!out->folder.empty()) return true;
    UsageError(std::string(command) + " needs --data DIR (the folder of the four archives)");
    return false;
}

bool OpenDataSet(const std::string& folder, DataSet* data_set) {
    const DataSetStep step = data_set->Open(folder);
    if (step == DataSetStep::kComplete) return true;
    const ArchiveFile* archive = step == DataSetStep::kIndexArchive  ? &data_set->IndexArchive()
                                 : step == DataSetStep::kCodeArchive ? &data_set->CodeArchive()
                                 : step == DataSetStep::kListArchive ? &data_set->ListArchive()
                                 : step == DataSetStep::kDataArchive ? &data_set->DataArchive()
                                                                     : nullptr;
    std::string message = folder + ": " + std::string(DataSetStepName(step));
    if (archive != nullptr) {
        const int error = archive->LastError();
        message += error == 0        ? ": missing or empty file"
                   : error == EINVAL ? ": damaged archive (directory out of bounds)"
                                     : std::string(": ") + std::strerror(error);
    }
    Failure(message);
    return false;
}

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) return {};
    return value;
}

void PrintRow(std::initializer_list<std::string_view> fields) {
    std::string line;
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) line.push_back('\t');
        line += Cp1252ToUtf8(field);
        first = false;
    }
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
}

std::string Number(long long value) { return std::to_string(value); }

}  // namespace vendarion::query_tool
