#include "ui/tip_list.h"

#include <charconv>

namespace vendarion {
namespace {

// The decimal number at the start of a line, as "%d" reads it: blanks, a sign, the
// digits; 0 when there is none.
int LeadingNumber(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at < line.size() && line[at] == '+') ++at;
    int number = 0;
    const auto [end, error] = std::from_chars(line.data() + at, line.data() + line.size(), number);
    (void)end;
    return error == std::errc() ? number : 0;
}

}  // namespace

TipList::TipList(std::string_view member) {
    const std::size_t zero = member.find('\0');
    const std::string_view text = member.substr(0, zero);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        // One line break: CR, LF or CR LF.
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    if (lines.empty()) return;
    count_ = LeadingNumber(lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        lines_.emplace_back(lines[i].substr(0, kMaxTipLength));
    }
}

std::optional<std::string> TipList::Tip(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) return std::nullopt;
    return lines_[static_cast<std::size_t>(index)];
}

}  // namespace vendarion
