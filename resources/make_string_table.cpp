// Build step: turns the UTF-8 string table (id TAB text per line) into a C++ source
// file holding the texts as Windows-1252 bytes, sorted by id.
//   make_string_table strings.txt string_table_data.cpp
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "base/cp1252.h"

namespace {

int Fail(const std::string& where, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", where.c_str(), message.c_str());
    return 1;
}

bool Unescape(const std::string& text, std::string* out) {
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out->push_back(text[i]);
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case 'n':
                out->push_back('\n');
                break;
            case 't':
                out->push_back('\t');
                break;
            case '"':
                out->push_back('"');
                break;
            case '\\':
                out->push_back('\\');
                break;
            default:
                return false;
        }
    }
    return true;
}

std::string CLiteral(const std::string& bytes) {
    std::string literal = "\"";
    char escape[8];
    for (const char c : bytes) {
        std::snprintf(escape, sizeof escape, "\\x%02X\"\"", static_cast<unsigned char>(c));
        literal += escape;
    }
    return literal + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("make_string_table", "usage: make_string_table IN OUT");
    std::ifstream in(argv[1]);
    if (!in) return Fail(argv[1], "cannot read");
    std::map<int, std::string> table;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = std::string(argv[1]) + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || tab == 0) return Fail(where, "expected id<TAB>text");
        int id = 0;
        for (std::size_t i = 0; i < tab; ++i) {
            if (line[i] < '0' || line[i] > '9' || id > 99999) return Fail(where, "bad id");
            id = id * 10 + (line[i] - '0');
        }
        std::string text;
        if (!Unescape(line.substr(tab + 1), &text)) return Fail(where, "bad escape");
        std::string bytes;
        if (!vendarion::Utf8ToCp1252(text, &bytes)) return Fail(where, "not Windows-1252");
        if (!table.emplace(id, bytes).second) return Fail(where, "duplicate id");
    }
    std::ostringstream out;
    out << "// Generated from strings.txt by make_string_table; do not edit.\n"
        << "#include \"resources/string_table_data.h\"\n\n"
        << "namespace vendarion {\n\nconst StringTableEntry kStringTable[] = {\n";
    for (const auto& [id, bytes] : table) {
        out << "    {" << id << ", " << CLiteral(bytes) << ", " << bytes.size() << "},\n";
    }
    out << "};\nconst std::size_t kStringTableSize = " << table.size() << ";\n\n"
        << "}  // namespace vendarion\n";
    std::ofstream file(argv[2], std::ios::trunc);
    file << out.str();
    return file ? 0 : Fail(argv[2], "cannot write");
}
