#include "street_names.h"

#include <algorithm>
#include <set>

#include "weighted_table.h"

namespace vendarion::datagen {
namespace {

constexpr const char* kNatureRoots[] = {
    "Ahorn",    "Birken",  "Buchen",  "Eichen",    "Erlen",  "Eschen",   "Linden", "Tannen",
    "Fichten",  "Kiefern", "Ulmen",   "Weiden",    "Pappel", "Holunder", "Amsel",  "Drossel",
    "Finken",   "Meisen",  "Lerchen", "Schwalben", "Falken", "Rosen",    "Tulpen", "Nelken",
    "Veilchen", "Flieder", "Heide",   "Wiesen",    "Feld",   "Acker",    "Garten", "Brunnen",
    "Mühlen",   "Sonnen",  "Berg",    "Tal",       "Bach",   "Quellen",  "Hecken", "Raben"};
constexpr const char* kNatureEndings[] = {"weg", "str.", "ring", "pfad", "steig"};
constexpr const char* kPlaceEndings[] = {"er Str.", "er Weg", "er Landstr.", "er Allee"};
constexpr int kNeighbourBooks = 6;

// "Essen" -> "Essener", "Halle" -> "Haller"; empty for names that do not take
// the ending (brackets, slashes, several words).
std::string PlaceAdjective(const std::string& place) {
    if (place.empty() || place.find_first_of("(/,. ") != std::string::npos) return {};
    if (place.back() == 'e') return place + "r";
    return place + "er";
}

std::string NatureStreet(Random& random) {
    const char* root = kNatureRoots[random.Below(std::size(kNatureRoots))];
    return std::string(root) + kNatureEndings[random.Below(std::size(kNatureEndings))];
}

std::string PlaceStreet(const std::vector<BookPlan>& plans, std::size_t book, Random& random) {
    const int offset = random.Between(-kNeighbourBooks, kNeighbourBooks);
    const auto other = static_cast<std::size_t>(
        std::clamp<long>(static_cast<long>(book) + offset, 0, static_cast<long>(plans.size()) - 1));
    const BookPlan& plan = plans[other];
    if (plan.place_names.empty()) return {};
    const std::string adjective = PlaceAdjective(
        plan.place_names[random.Below(static_cast<std::uint32_t>(plan.place_names.size()))]);
    if (adjective.empty()) return {};
    return adjective + kPlaceEndings[random.Below(std::size(kPlaceEndings))];
}

std::string PersonStreet(const Facts& facts, Random& random) {
    const FirstName& first =
        facts.first_names[random.Below(static_cast<std::uint32_t>(facts.first_names.size()))];
    // Streets are named after well-known people: the first few hundred surnames.
    const WeightedName& last = facts.surnames[random.Below(300)];
    if (first.name.find('-') != std::string::npos) return {};
    return first.name + "-" + last.name + "-Str.";
}

std::string TailStreet(const Facts& facts, const std::vector<BookPlan>& plans, std::size_t book,
                       Random& random) {
    const std::uint32_t kind = random.Below(100);
    if (kind < 40 && !facts.more_streets.empty()) {
        return facts
            .more_streets[random.Below(static_cast<std::uint32_t>(facts.more_streets.size()))];
    }
    if (kind < 65) return PlaceStreet(plans, book, random);
    if (kind < 85) return NatureStreet(random);
    return PersonStreet(facts, random);
}

}  // namespace

std::vector<std::string> ChooseStreets(const Facts& facts, const std::vector<BookPlan>& plans,
                                       std::size_t book, std::size_t count, Random& random) {
    std::vector<std::uint32_t> weights;
    for (const WeightedName& street : facts.common_streets) weights.push_back(street.weight);
    const WeightedTable common(weights);
    std::vector<std::string> streets;
    std::set<std::string> seen;
    const std::size_t head = std::min(count / 3 + 3, facts.common_streets.size());
    for (std::size_t tries = 0; streets.size() < head && tries < head * 20 && !common.empty();
         ++tries) {
        const std::string& name = facts.common_streets[common.Pick(random)].name;
        if (seen.insert(name).second) streets.push_back(name);
    }
    for (std::size_t tries = 0; streets.size() < count && tries < count * 20; ++tries) {
        std::string name = TailStreet(facts, plans, book, random);
        if (!name.empty() && seen.insert(name).second) streets.push_back(std::move(name));
    }
    return streets;
}

}  // namespace vendarion::datagen
