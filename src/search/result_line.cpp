#include "search/result_line.h"

#include <algorithm>

namespace vendarion {
namespace {

void AddField(std::string* line, std::string_view field) {
    line->append(field);
    line->push_back(kFieldSeparator);
}

}  // namespace

std::string StreetCell(std::string_view street, std::string_view house_number) {
    std::string cell(street);
    cell += "  ";
    cell += house_number;
    return cell;
}

std::string PhoneCell(std::string_view phone, std::string_view call_addition) {
    std::string cell(phone);
    if (!call_addition.empty()) {
        cell += "  (";
        cell += call_addition;
        cell += ')';
    }
    return cell;
}

std::string NameCell(std::string_view name, int level) {
    // Levels beyond the deepest sub-entry (from a damaged store) indent no further.
    const int depth = std::clamp(level, 1, kDeepestLevel) - 1;
    std::string cell(static_cast<std::size_t>(2 * depth), ' ');
    cell += name;
    return cell;
}

std::string EntryCellText(const SubscriberEntry& entry, int column) {
    using F = EntryField;
    switch (column) {
        case 0:
            return NameCell(entry[F::kName], entry.level);
        case 1:
            return entry[F::kFirstName];
        case 2:
            return entry[F::kHeading];
        case 3:
            return StreetCell(entry[F::kStreet], entry[F::kHouseNumber]);
        case 4:
            return entry[F::kAreaCode];
        case 5:
            return PhoneCell(entry[F::kPhoneNumber], entry[F::kCallAddition]);
        case 6:
            return entry[F::kPostalCode];
        case 7:
            return entry[F::kTown];
        case 8:
            return entry[F::kDisplayName];
        case 9:
            return entry[F::kCallAddition];
        case 10:
            return entry.level > 0 ? std::to_string(entry.level) : std::string();
        default:
            return {};
    }
}

std::string SubscriberResultLine(const SubscriberEntry& entry, HitSource source) {
    constexpr int kPhoneColumn = 5;
    constexpr int kLevelColumn = 10;
    std::string line;
    line.reserve(160);
    for (int column = 0; column < kLevelColumn; ++column) {
        AddField(&line, column == kPhoneColumn && source == HitSource::kInternet
                            ? entry[EntryField::kPhoneNumber]
                            : EntryCellText(entry, column));
    }
    line += EntryCellText(entry, kLevelColumn);
    return line;
}

std::string BankResultLine(std::string_view code, std::string_view name,
                           std::string_view postal_code, std::string_view town) {
    std::string line;
    AddField(&line, code);
    AddField(&line, name);
    AddField(&line, postal_code);
    line += town;
    return line;
}

std::string CountryResultLine(std::string_view country, std::string_view code) {
    std::string line;
    AddField(&line, country);
    line += code;
    return line;
}

std::string_view ResultField(std::string_view line, int n) {
    for (; n > 0; --n) {
        const std::size_t separator = line.find(kFieldSeparator);
        if (separator == std::string_view::npos) return {};
        line.remove_prefix(separator + 1);
    }
    return line.substr(0, line.find(kFieldSeparator));
}

}  // namespace vendarion
