// The count texts of the status line above a list: a base string id chooses the
// three forms for several rows, one row and none.
#pragma once

#include <string>

namespace vendarion {

// Base string ids of the count texts.
namespace count_base {
inline constexpr int kTownsPresent = 2201;
inline constexpr int kTownsFound = 2204;
inline constexpr int kPostalCodesPresent = 2207;
inline constexpr int kAreaCodesPresent = 2210;
inline constexpr int kDistinctNamesPresent = 2213;
inline constexpr int kCountryCodesPresent = 2216;
inline constexpr int kBankCodesPresent = 2219;
inline constexpr int kNamesFound = 2222;
inline constexpr int kBankCodesFound = 2225;
inline constexpr int kStreetsPresent = 2228;
inline constexpr int kHeadingsPresent = 2231;
inline constexpr int kCountryCodesFound = 2234;
inline constexpr int kEntriesPresent = 2239;
inline constexpr int kNotesPresent = 2242;
inline constexpr int kNamesPresent = 2246;
inline constexpr int kNamesSearching = 2249;
}  // namespace count_base

inline constexpr int kTownsMarkedText = 2237;     // "%i Orte wurden markiert."
inline constexpr int kSearchRunningText = 2238;   // "Suche läuft..."
inline constexpr int kMarkedSuffixText = 1605;    // " (%i markiert)."
inline constexpr int kNoNameFoundYetText = 2251;  // the progress text before the first hit

// n >= 2: the base text with n for "%i"; n = 1: the text after it; n <= 0: the
// second text after it.
std::string CountText(int base, int n);

// A count text for a list with several rows selected: its final full stop replaced
// by " (%i markiert)." with the number of selected rows.
std::string WithMarkedCount(const std::string& count_text, int selected);

}  // namespace vendarion
