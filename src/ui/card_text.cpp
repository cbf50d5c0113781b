#include "ui/card_text.h"

#include "base/ascii_text.h"

namespace vendarion {
namespace {

// Entry columns.
constexpr int kHeading = 2;
constexpr int kStreet = 3;
constexpr int kAreaCode = 4;
constexpr int kPhone = 5;
constexpr int kPostalCode = 6;
constexpr int kTown = 7;
constexpr int kDisplayName = 8;
constexpr int kCallAddition = 9;

// A cell without its outer blanks: an entry without a street has two blanks in the
// street column, which must not make a line of its own.
std::string Trimmed(const CellReader& cell, int column) {
    return std::string(TrimBlanks(cell(column)));
}

std::string AddressBlock(const CellReader& raw) {
    const CellReader cell = [&raw](int column) { return Trimmed(raw, column); };
    std::string block;
    const std::string street = cell(kStreet);
    if (!street.empty()) block += street + "\n";
    const std::string postal_code = cell(kPostalCode);
    const std::string town = cell(kTown);
    if (!postal_code.empty()) block += postal_code + " ";
    if (!town.empty()) block += town;
    if (!postal_code.empty() || !town.empty()) block += "\n";
    const std::string call_addition = cell(kCallAddition);
    if (!call_addition.empty()) block += call_addition + ": ";
    const std::string area_code = cell(kAreaCode);
    if (!area_code.empty()) block += "(" + area_code + ") ";
    std::string phone = cell(kPhone);
    if (!call_addition.empty()) {
        if (const std::size_t cut = phone.find("  ("); cut != std::string::npos) phone.resize(cut);
    }
    return block + phone;
}

}  // namespace

std::vector<std::string> EntryCard(const CellReader& cell) {
    return {Trimmed(cell, kDisplayName), Trimmed(cell, kHeading), AddressBlock(cell)};
}

std::vector<std::string> BankCard(const CellReader& cell) {
    return {cell(1), cell(2) + " " + cell(3), "BLZ: " + cell(0)};
}

std::vector<std::string> CountryCard(const CellReader& cell) {
    return {cell(0), "(" + cell(1) + ")"};
}

}  // namespace vendarion
