// What the search assistant collected, kept by the main window for the rest of the
// run (never on disk) so that the next opening shows the last inputs again.
#pragma once

#include <array>
#include <string>

namespace vendarion {

// How the town is given on the town page.
enum class TownChoice : int { kName = 0, kPostalCode = 1, kAreaCode = 2 };
inline constexpr int kTownChoiceCount = 3;

// How the name is matched: the start of the name, exactly, or by its sound.
enum class NameMatching : int { kStart = 0, kExact = 1, kSimilar = 2 };

struct AssistantCriteria {
    bool present = false;  // a search was finished and its inputs kept
    bool internet = false;
    // The book of the town chosen on the town page, -1 for none, with the town's
    // name as its row reads and the row (in the list of the choice).
    int town_book = -1;
    std::string town_name;
    int town_row = -1;
    TownChoice town_choice = TownChoice::kName;
    NameMatching matching = NameMatching::kStart;
    // The town page's texts, by TownChoice.
    std::array<std::string, kTownChoiceCount> town_texts;
    // The Internet page's town, postal code and area code.
    std::array<std::string, kTownChoiceCount> internet_texts;
    std::string name;
    std::string first_name;
    std::string street;
};

}  // namespace vendarion
