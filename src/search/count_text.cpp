#include "search/count_text.h"

#include "resources/string_table.h"

namespace vendarion {

std::string CountText(int base, int n) {
    if (n >= 2) return FormatString(base, n);
    return std::string(LoadString(n == 1 ? base + 1 : base + 2));
}

std::string WithMarkedCount(const std::string& count_text, int selected) {
    std::string text = count_text;
    if (!text.empty()) text.pop_back();
    return text + FormatString(kMarkedSuffixText, selected);
}

}  // namespace vendarion
