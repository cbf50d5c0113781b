#include "tsv_file.h"

#include "base/atomic_file.h"

namespace vendarion::datagen {

bool ReadLines(const std::string& path, std::vector<std::string>* lines, std::string* error) {
    std::string contents;
    if (!ReadFileContents(path, &contents)) {
        *error = path + ": cannot be read";
        return false;
    }
    lines->clear();
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        std::size_t stop = end;
        if (stop > start && contents[stop - 1] == '\r') --stop;
        lines->push_back(contents.substr(start, stop - start));
        start = end + 1;
    }
    return true;
}

bool ReadTsv(const std::string& path, std::size_t field_count, TsvRows* rows, std::string* error) {
    std::vector<std::string> lines;
    if (!ReadLines(path, &lines, error)) return false;
    rows->clear();
    for (std::size_t number = 0; number < lines.size(); ++number) {
        const std::string& line = lines[number];
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (fields.size() != field_count) {
            *error = path + ":" + std::to_string(number + 1) + ": expected " +
                     std::to_string(field_count) + " fields, found " +
                     std::to_string(fields.size());
            return false;
        }
        rows->push_back(std::move(fields));
    }
    return true;
}

}  // namespace vendarion::datagen
