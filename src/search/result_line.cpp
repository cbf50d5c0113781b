#include "search/result_line.h"

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
    std::string cell(level > 1 ? static_cast<std::size_t>(2 * (level - 1)) : 0, ' ');
    cell += name;
    return cell;
}

std::string SubscriberResultLine(const SubscriberEntry& entry, HitSource source) {
    using F = EntryField;
    std::string line;
    line.reserve(160);
    AddField(&line, NameCell(entry[F::kName], entry.level));
    AddField(&line, entry[F::kFirstName]);
    AddField(&line, entry[F::kHeading]);
    AddField(&line, StreetCell(entry[F::kStreet], entry[F::kHouseNumber]));
    AddField(&line, entry[F::kAreaCode]);
    AddField(&line, source == HitSource::kDirectory
                        ? PhoneCell(entry[F::kPhoneNumber], entry[F::kCallAddition])
                        : entry[F::kPhoneNumber]);
    AddField(&line, entry[F::kPostalCode]);
    AddField(&line, entry[F::kTown]);
    AddField(&line, entry[F::kDisplayName]);
    AddField(&line, entry[F::kCallAddition]);
    if (entry.level > 0) line += std::to_string(entry.level);
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
