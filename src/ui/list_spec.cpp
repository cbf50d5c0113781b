#include "ui/list_spec.h"

#include <charconv>
#include <cmath>

namespace vendarion {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

// An unsigned decimal number that fills the whole text; -1 otherwise.
int UnsignedNumber(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return -1;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

}  // namespace

ListSpec ParseListSpec(std::string_view spec, std::string_view town) {
    const std::vector<std::string_view> parts = Split(spec, ';');
    ListSpec result;
    result.title = std::string(parts[0]);
    if (const std::size_t at = result.title.find("%s"); at != std::string::npos) {
        result.title.replace(at, 2, town);
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t bar = parts[i].find('|');
        ListColumn column;
        column.header = std::string(parts[i].substr(0, bar));
        if (bar != std::string_view::npos) {
            const int width = UnsignedNumber(parts[i].substr(bar + 1));
            if (width >= 0) column.width = width;
        }
        result.columns.push_back(std::move(column));
    }
    return result;
}

std::vector<int> ColumnWidths(const std::vector<ListColumn>& columns, std::string_view saved,
                              double scale) {
    const std::vector<std::string_view> numbers =
        saved.empty() ? std::vector<std::string_view>() : Split(saved, ',');
    std::vector<int> widths;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int width = i < numbers.size() ? UnsignedNumber(numbers[i]) : -1;
        widths.push_back(width >= 0 ? width
                                    : static_cast<int>(std::lround(columns[i].width * scale)));
    }
    return widths;
}

std::string SavedWidths(const std::vector<int>& widths) {
    std::string text;
    for (const int width : widths) {
        if (width < 1) continue;
        if (!text.empty()) text += ',';
        text += std::to_string(width);
    }
    return text;
}

}  // namespace vendarion
