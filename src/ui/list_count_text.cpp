#include "ui/list_count_text.h"

#include "resources/string_table.h"
#include "search/count_text.h"

namespace vendarion {
namespace {

constexpr int kOnlyOnHardDiskText = 2245;

int BaseOf(ListType type, const ListCounts& counts) {
    using namespace count_base;
    switch (type) {
        case ListType::kTowns:
            return counts.town_filter ? kTownsFound : kTownsPresent;
        case ListType::kInternetTowns:
            return kTownsPresent;
        case ListType::kStreets:
            return kStreetsPresent;
        case ListType::kHeadings:
            return kHeadingsPresent;
        case ListType::kPostalCodes:
        case ListType::kInternetPostalCodes:
            return kPostalCodesPresent;
        case ListType::kAreaCodes:
        case ListType::kInternetAreaCodes:
            return kAreaCodesPresent;
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            return kDistinctNamesPresent;
        case ListType::kPhoneBook:
            return kEntriesPresent;
        case ListType::kNotes:
            return kNotesPresent;
        default:
            break;
    }
    return 0;
}

}  // namespace

std::string ListCountText(ListType type, const ListCounts& counts) {
    if (type == ListType::kTown) {
        return counts.marked_towns > 0 ? FormatString(kTownsMarkedText, counts.marked_towns)
                                       : std::string();
    }
    if ((type == ListType::kPhoneBook || type == ListType::kNotes) && !counts.store_exists) {
        return std::string(LoadString(kOnlyOnHardDiskText));
    }
    const int base = BaseOf(type, counts);
    return base == 0 ? std::string() : CountText(base, counts.rows);
}

bool CountsMarkedRows(ListType type) {
    return type == ListType::kTowns || type == ListType::kNames || type == ListType::kInternet ||
           type == ListType::kPhoneBook || type == ListType::kNotes;
}

}  // namespace vendarion
