#include "book_context.h"

#include <algorithm>

#include "street_names.h"

namespace vendarion::datagen {
namespace {

constexpr std::size_t kFlushBytes = 1 << 20;
constexpr int kDoubleNamePerMille = 40;

std::uint32_t PowerOfTen(int digits) {
    std::uint32_t value = 1;
    for (int i = 0; i < digits; ++i) value *= 10;
    return value;
}

}  // namespace

NameTables::NameTables(const Facts& facts) {
    std::vector<std::uint32_t> weights;
    for (const WeightedName& name : facts.surnames) weights.push_back(name.weight);
    surnames = WeightedTable(weights);
    std::vector<std::uint32_t> male_weights;
    std::vector<std::uint32_t> female_weights;
    for (std::size_t i = 0; i < facts.first_names.size(); ++i) {
        const FirstName& name = facts.first_names[i];
        (name.female ? female : male).push_back(i);
        (name.female ? female_weights : male_weights).push_back(name.weight);
    }
    male_first_names = WeightedTable(male_weights);
    female_first_names = WeightedTable(female_weights);
    weights.clear();
    for (const Heading& heading : facts.headings) weights.push_back(heading.weight);
    headings = WeightedTable(weights);
}

BookContext::BookContext(const Facts& facts, const NameTables& tables,
                         const std::vector<BookPlan>& plans, int book, std::uint64_t seed,
                         TextSink* sink)
    : facts_(facts),
      tables_(tables),
      plans_(plans),
      book_(book),
      random_(Random::Derive(seed, static_cast<std::uint64_t>(book))),
      sink_(sink) {
    const std::size_t street_count = std::clamp<std::size_t>(plan().entries / 30, 8, 6000);
    streets_ = ChooseStreets(facts, plans, static_cast<std::size_t>(book), street_count, random_);
    std::vector<std::uint32_t> weights;
    for (std::size_t i = 0; i < streets_.size(); ++i) {
        weights.push_back(static_cast<std::uint32_t>(100000 / (i + 2)));
    }
    street_table_ = WeightedTable(weights);
    weights.clear();
    for (const PlaceUse& use : plan().places) weights.push_back(use.weight);
    place_table_ = WeightedTable(weights);
}

BookContext::~BookContext() { Flush(); }

std::string BookContext::Surname() {
    std::string name = facts_.surnames[tables_.surnames.Pick(random_)].name;
    if (random_.Chance(kDoubleNamePerMille)) {
        name += "-" + facts_.surnames[tables_.surnames.Pick(random_)].name;
    }
    return name;
}

std::string BookContext::FirstName(bool female) {
    const std::size_t index = female ? tables_.female[tables_.female_first_names.Pick(random_)]
                                     : tables_.male[tables_.male_first_names.Pick(random_)];
    return facts_.first_names[index].name;
}

const Heading& BookContext::PickHeading() {
    return facts_.headings[tables_.headings.Pick(random_)];
}

EntryLine BookContext::MainEntry() {
    EntryLine line;
    line.book = book_;
    if (!place_table_.empty()) {
        const PlaceUse& use = plan().places[place_table_.Pick(random_)];
        line.place = use.place_index;
        line.postal = use.postal_index;
    }
    if (!street_table_.empty()) {
        line.street = streets_[street_table_.Pick(random_)];
        const int number = random_.Chance(700) ? random_.Between(1, 40) : random_.Between(1, 220);
        line.house_number = std::to_string(number);
        if (random_.Chance(50))
            line.house_number.push_back(static_cast<char>('a' + random_.Below(4)));
    }
    line.area = 0;
    line.phone = LocalNumber(LocalDigits());
    return line;
}

int BookContext::LocalDigits() {
    // Area code and subscriber number make ten or eleven digits without the 0.
    const int area_digits = static_cast<int>(plan().area_codes[0].size()) - 1;
    const int longest = std::min(8, 11 - area_digits);
    return random_.Chance(700) ? longest : longest - 1 - static_cast<int>(random_.Below(2));
}

std::uint32_t BookContext::LocalNumber(int digits) {
    const std::uint32_t low = 2 * PowerOfTen(digits - 1);
    return low + random_.Below(PowerOfTen(digits) - low);
}

void BookContext::SetMobile(EntryLine* line) {
    line->area =
        1 + static_cast<int>(random_.Below(static_cast<std::uint32_t>(MobilePrefixes().size())));
    line->phone = LocalNumber(random_.Chance(500) ? 7 : 8);
    line->extension_digits = 0;
}

void BookContext::Emit(const EntryLine& line) {
    AppendEntryLine(line, &buffer_);
    ++written_;
    if (buffer_.size() >= kFlushBytes) Flush();
}

void BookContext::Flush() {
    if (buffer_.empty()) return;
    sink_->Append(buffer_);
    buffer_.clear();
}

}  // namespace vendarion::datagen
