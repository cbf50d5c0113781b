// vendarion-query export: subscriber entries from standard input in one of the nine
// export formats.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "commands.h"
#include "output/export_format.h"
#include "output/export_text.h"
#include "store/subscriber_entry.h"

namespace vendarion::query_tool {
namespace {

struct ExportArguments {
    int format = -1;
    std::string output;  // empty: standard output
};

bool ParseFormat(std::string_view text, int* format) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kExportFormatCount) return false;
    *format = text[0] - '0';
    return true;
}

bool ParseArguments(const Arguments& args, ExportArguments* parsed, std::string* error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool has_value = i + 1 < args.size();
        if (args[i] == "--format" && has_value) {
            if (!ParseFormat(args[++i], &parsed->format)) {
                *error = "--format takes a number from 0 to 8";
                return false;
            }
        } else if (args[i] == "--output" && has_value) {
            parsed->output = std::string(args[++i]);
        } else {
            *error = "unexpected argument '" + std::string(args[i]) + "'";
            return false;
        }
    }
    if (parsed->format < 0) *error = "export needs --format N";
    return parsed->format >= 0;
}

// One entry per line: the sixteen fields in their order, separated by tabs; missing
// trailing fields are empty.
bool ParseEntry(std::string_view line, SubscriberEntry* entry) {
    std::size_t field = 0;
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (field >= static_cast<std::size_t>(kEntryFieldCount)) return false;
        entry->fields[field++] = Utf8ToCp1252(line.substr(0, tab));
        if (tab == std::string_view::npos) return true;
        line.remove_prefix(tab + 1);
    }
}

bool ReadEntries(std::vector<SubscriberEntry>* entries, std::string* error) {
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        SubscriberEntry entry;
        if (!ParseEntry(line, &entry)) {
            *error = "line " + std::to_string(number) + ": more than 16 fields";
            return false;
        }
        entries->push_back(std::move(entry));
    }
    return true;
}

}  // namespace

int RunExport(const Arguments& args) {
    ExportArguments parsed;
    std::string error;
    if (!ParseArguments(args, &parsed, &error)) return UsageError(error);
    std::vector<SubscriberEntry> entries;
    if (!ReadEntries(&entries, &error)) return Failure(error);
    std::string text;
    if (BuildExportText(entries, parsed.format, &text) != 0) return Failure("export failed");
    if (parsed.output.empty()) {
        const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        return std::fflush(stdout) == 0 && ok ? 0 : Failure("cannot write the output");
    }
    if (!ReplaceFileContents(parsed.output, text)) {
        return Failure(parsed.output + ": cannot write the file");
    }
    return 0;
}

}  // namespace vendarion::query_tool
