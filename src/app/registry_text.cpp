#include "app/registry_text.h"

#include <algorithm>
#include <cstdio>

namespace vendarion {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// Reads a quoted string at text[*pos] (which must be '"'), unescaping \\ and \".
std::optional<std::string> ReadQuoted(std::string_view text, std::size_t* pos) {
    if (*pos >= text.size() || text[*pos] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = *pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            *pos = i + 1;
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"')) {
                return std::nullopt;
            }
            out.push_back(text[++i]);
        } else {
            out.push_back(c);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseDword(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// Fills the value fields of line when its text is a well-formed value line.
void ParseValue(RegistryLine* line) {
    std::string_view text = line->text;
    std::size_t pos = 0;
    auto name = ReadQuoted(text, &pos);
    if (!name || name->empty() || pos >= text.size() || text[pos] != '=') return;
    ++pos;
    constexpr std::string_view kDword = "dword:";
    if (text.substr(pos, kDword.size()) == kDword) {
        const auto number = ParseDword(text.substr(pos + kDword.size()));
        if (!number) return;
        line->is_number = true;
        line->number_value = *number;
    } else {
        auto value = ReadQuoted(text, &pos);
        if (!value || pos != text.size()) return;
        line->text_value = std::move(*value);
    }
    line->name = std::move(*name);
    line->is_value = true;
}

RegistryLine PlainLine(std::string_view text) {
    RegistryLine line;
    line.text = std::string(text);
    return line;
}

bool IsKeyLine(std::string_view text) { return !text.empty() && text.front() == '['; }

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

}  // namespace

std::vector<RegistryLine> ParseRegistryText(std::string_view file) {
    std::vector<RegistryLine> lines;
    bool in_our_key = true;  // values before any key line count as ours
    while (!file.empty()) {
        const std::size_t end = file.find('\n');
        std::string_view text = file.substr(0, end);
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        RegistryLine line;
        line.text = std::string(text);
        if (IsKeyLine(text)) {
            in_our_key = EqualsIgnoringCase(text, kRegistryKey);
        } else if (in_our_key) {
            ParseValue(&line);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string JoinRegistryLines(const std::vector<RegistryLine>& lines) {
    std::string file;
    for (const RegistryLine& line : lines) {
        file += line.text;
        file += '\n';
    }
    return file;
}

const RegistryLine* FindRegistryValue(const std::vector<RegistryLine>& lines,
                                      std::string_view name) {
    const RegistryLine* found = nullptr;
    for (const RegistryLine& line : lines) {
        if (line.is_value && EqualsIgnoringCase(line.name, name)) found = &line;
    }
    return found;
}

void SetRegistryValue(std::vector<RegistryLine>* lines, std::string_view name,
                      std::string value_line) {
    RegistryLine replacement;
    replacement.text = std::move(value_line);
    ParseValue(&replacement);

    std::size_t last = lines->size();
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if ((*lines)[i].is_value && EqualsIgnoringCase((*lines)[i].name, name)) last = i;
    }
    if (last < lines->size()) {
        std::vector<RegistryLine> kept;
        kept.reserve(lines->size());
        for (std::size_t i = 0; i < lines->size(); ++i) {
            RegistryLine& line = (*lines)[i];
            if (i == last) {
                kept.push_back(std::move(replacement));
            } else if (!line.is_value || !EqualsIgnoringCase(line.name, name)) {
                kept.push_back(std::move(line));
            }
        }
        *lines = std::move(kept);
        return;
    }
    // Append at the end of our key's lines.
    std::size_t insert = lines->size();
    bool found_key = false;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (!IsKeyLine((*lines)[i].text)) continue;
        if (found_key) {
            insert = i;
            break;
        }
        found_key = EqualsIgnoringCase((*lines)[i].text, kRegistryKey);
    }
    if (!found_key) {
        if (lines->empty()) lines->push_back(PlainLine(kRegistryHeader));
        lines->push_back(PlainLine(""));
        lines->push_back(PlainLine(kRegistryKey));
        insert = lines->size();
    }
    while (insert > 0 && (*lines)[insert - 1].text.empty() && found_key && insert < lines->size()) {
        --insert;  // keep the blank line that separates our key from the next
    }
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(insert), std::move(replacement));
}

std::string RegistryTextLine(std::string_view name, std::string_view utf8_text) {
    return Quote(name) + "=" + Quote(utf8_text);
}

std::string RegistryNumberLine(std::string_view name, std::uint32_t number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x", number);
    return Quote(name) + "=" + digits;
}

}  // namespace vendarion
