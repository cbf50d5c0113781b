#include "ui/assistant_places.h"

#include "base/ascii_text.h"
#include "base/fold_text.h"
#include "resources/string_table.h"
#include "ui/place_rows.h"

namespace vendarion {
namespace {

// "Suche in "%s"." and its two longer forms, for postal codes and for area codes.
constexpr int kPostalOneTown = 1616;
constexpr int kPostalTwoTowns = 1615;
constexpr int kPostalMoreTowns = 1614;
constexpr int kAreaOneTown = 1613;
constexpr int kAreaTwoTowns = 1612;
constexpr int kAreaMoreTowns = 1611;

// The text with its "%i" replaced by the number and then its "%s" by the text (in
// this order, so that a "%i" in the town's name stays as it is).
std::string FormatTwo(int id, std::string_view text, int number) {
    std::string formatted = FormatString(id, number);
    const std::size_t at = formatted.find("%s");
    if (at != std::string::npos) formatted.replace(at, 2, text);
    return formatted;
}

}  // namespace

PlaceMatch FindPlace(PlaceRows& rows, TownChoice choice, std::string_view typed) {
    if (typed.empty()) return {};
    const int row = rows.FindRow(typed);
    if (row < 0) return {};
    const std::string found(TrimBlanks(rows.Text(row, 0)));
    const bool begins = choice == TownChoice::kName ? FoldText(found).starts_with(FoldText(typed))
                                                    : found.starts_with(typed);
    if (!begins) return {};
    return PlaceAt(rows, choice, row, 1);
}

PlaceMatch PlaceAt(PlaceRows& rows, TownChoice choice, int row, int step) {
    if (row < 0 || row >= rows.Count()) return {};
    PlaceMatch match;
    match.book = rows.Book(row);
    if (match.book < 0) return {};
    match.row = row;
    match.text = TrimBlanks(rows.Text(row, 0));
    if (choice == TownChoice::kName) {
        match.town = match.text;
        match.same_code = 1;
    } else {
        match.town = TrimBlanks(rows.Text(row, 1));
        match.same_code = CountSameCode(rows, row, step);
    }
    return match;
}

int CountSameCode(RowSource& rows, int row, int step) {
    const int count = rows.Count();
    if (row < 0 || row >= count || step == 0) return 0;
    const std::string code = rows.Text(row, 0);
    int same = 1;
    for (int next = row + step; next >= 0 && next < count && rows.Text(next, 0) == code;
         next += step) {
        ++same;
    }
    return same;
}

std::string CodeHint(TownChoice choice, const PlaceMatch& match) {
    if (match.row < 0 || choice == TownChoice::kName) return {};
    const bool postal = choice == TownChoice::kPostalCode;
    if (match.same_code <= 1) {
        return FormatString(postal ? kPostalOneTown : kAreaOneTown, match.town);
    }
    if (match.same_code == 2) {
        return FormatString(postal ? kPostalTwoTowns : kAreaTwoTowns, match.town);
    }
    return FormatTwo(postal ? kPostalMoreTowns : kAreaMoreTowns, match.town, match.same_code - 1);
}

}  // namespace vendarion
