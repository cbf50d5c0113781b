// The text of the detail card for one row: up to three blocks (the first drawn
// bold), each of which may hold line breaks. Texts are Windows-1252.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vendarion {

// Reads cell (column) of the row the card is for.
using CellReader = std::function<std::string(int column)>;

// A subscriber row (columns as in a result line): display name; heading; street
// and house number, postal code and town, then "call addition: (area code) number".
std::vector<std::string> EntryCard(const CellReader& cell);
// A bank code row (code, name, postal code, town): name; postal code and town;
// "BLZ: " and the code.
std::vector<std::string> BankCard(const CellReader& cell);
// A foreign code row (country, code): country; the code in parentheses.
std::vector<std::string> CountryCard(const CellReader& cell);

}  // namespace vendarion
