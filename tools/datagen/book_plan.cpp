#include "book_plan.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace vendarion::datagen {
namespace {

// Exponent of a town's postal-code count in the weight of each of its postal
// codes: cities are denser than villages. 0.2 makes Berlin about 5.7 % of all
// entries, which is its share of a national directory.
constexpr double kDensityExponent = 0.2;
// In the tiny set only every 650th book has entries.
constexpr std::size_t kTinyBookStride = 650;
constexpr std::uint32_t kTinyEntriesPerBook = 40;

struct Counts {
    std::unordered_map<std::string, int> postal_codes_of_town;
    std::unordered_map<std::string, int> towns_of_postal_code;
    std::unordered_map<std::string, int> books_of_place;  // key: town TAB postal code
};

std::string PlaceKey(const Place& place) { return place.town + '\t' + place.postal_code; }

// Counts distinct pairs only: a pair listed twice in one book counts once.
Counts CountPlaces(const Facts& facts) {
    Counts counts;
    std::unordered_set<std::string> pairs;
    std::unordered_set<std::string> book_pairs;
    for (const Place& place : facts.places) {
        const std::string key = PlaceKey(place);
        if (pairs.insert(key).second) {
            ++counts.postal_codes_of_town[place.town];
            ++counts.towns_of_postal_code[place.postal_code];
        }
        if (book_pairs.insert(place.area_code + '\t' + key).second) ++counts.books_of_place[key];
    }
    return counts;
}

int IndexOf(std::vector<std::string>* list, const std::string& text) {
    const auto found = std::find(list->begin(), list->end(), text);
    if (found != list->end()) return static_cast<int>(found - list->begin());
    list->push_back(text);
    return static_cast<int>(list->size() - 1);
}

// A place without a postal code is one town of its own, in the weight and in the
// book: its people get no postal code.
void AddPlace(const Place& place, const Counts& counts, BookPlan* plan) {
    const bool coded = !place.postal_code.empty();
    const double town_size = counts.postal_codes_of_town.at(place.town);
    const double share = std::pow(town_size, kDensityExponent) /
                         (coded ? counts.towns_of_postal_code.at(place.postal_code) : 1) /
                         counts.books_of_place.at(PlaceKey(place));
    PlaceUse use;
    use.place_index = IndexOf(&plan->place_names, place.town);
    use.postal_index = coded ? IndexOf(&plan->postal_codes, place.postal_code) : -1;
    use.weight = static_cast<std::uint32_t>(std::lround(share * 10000.0)) + 1;
    plan->places.push_back(use);
}

std::uint64_t TotalWeight(const BookPlan& plan) {
    std::uint64_t total = 0;
    for (const PlaceUse& use : plan.places) total += use.weight;
    return total;
}

void SetEntryCounts(DataSize size, std::vector<BookPlan>* plans) {
    if (size == DataSize::kTiny) {
        for (std::size_t book = 0; book < plans->size(); book += kTinyBookStride) {
            (*plans)[book].entries = kTinyEntriesPerBook;
        }
        return;
    }
    const double target = size == DataSize::kSample ? 200000.0 : 35000000.0;
    const std::uint32_t minimum = size == DataSize::kSample ? 3 : 20;
    std::uint64_t all = 0;
    for (const BookPlan& plan : *plans) all += TotalWeight(plan);
    for (BookPlan& plan : *plans) {
        const double share = static_cast<double>(TotalWeight(plan)) / static_cast<double>(all);
        plan.entries = std::max(minimum, static_cast<std::uint32_t>(std::llround(share * target)));
    }
}

}  // namespace

bool ParseDataSize(std::string_view text, DataSize* size) {
    if (text == "tiny") return *size = DataSize::kTiny, true;
    if (text == "sample") return *size = DataSize::kSample, true;
    if (text == "national") return *size = DataSize::kNational, true;
    return false;
}

const std::vector<std::string>& MobilePrefixes() {
    static const std::vector<std::string> prefixes = {"0151", "0160", "0170", "0171",
                                                      "0172", "0175", "0176"};
    return prefixes;
}

std::vector<BookPlan> PlanBooks(const Facts& facts, DataSize size) {
    const Counts counts = CountPlaces(facts);
    std::map<std::string, std::size_t> book_of_code;
    std::vector<BookPlan> plans(facts.area_codes.size());
    for (std::size_t book = 0; book < facts.area_codes.size(); ++book) {
        book_of_code[facts.area_codes[book].code] = book;
        plans[book].name = facts.area_codes[book].book_name;
        plans[book].area_codes.push_back(facts.area_codes[book].code);
        for (const std::string& prefix : MobilePrefixes()) {
            plans[book].area_codes.push_back(prefix);
        }
    }
    for (const Place& place : facts.places) {
        const auto book = book_of_code.find(place.area_code);
        if (book != book_of_code.end()) AddPlace(place, counts, &plans[book->second]);
    }
    SetEntryCounts(size, &plans);
    return plans;
}

}  // namespace vendarion::datagen
