#include "data_set_writer.h"

#include <cerrno>
#include <cstdio>

#include "base/atomic_file.h"
#include "book_context.h"
#include "business_entries.h"
#include "household_entries.h"
#include "stream_file.h"

namespace vendarion::datagen {
namespace {

// Share of main entries that are businesses, in parts per thousand.
constexpr int kBusinessPerMille = 170;

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty()) line.push_back('\t');
        line += field;
    }
    line.push_back('\n');
    return line;
}

// Counts entries as they pass to the file.
class CountingSink : public TextSink {
public:
    explicit CountingSink(TextSink* target) : target_(target) {}
    void Append(std::string_view text) override {
        for (char c : text) lines_ += c == '\n';
        target_->Append(text);
    }
    std::int64_t lines() const { return lines_; }

private:
    TextSink* target_;
    std::int64_t lines_ = 0;
};

}  // namespace

void GenerateSubscribers(const Facts& facts, const std::vector<BookPlan>& plans, std::uint64_t seed,
                         TextSink* sink) {
    const NameTables tables(facts);
    for (std::size_t book = 0; book < plans.size(); ++book) {
        if (plans[book].entries == 0) continue;
        BookContext context(facts, tables, plans, static_cast<int>(book), seed, sink);
        while (context.written() < plans[book].entries) {
            if (context.random().Chance(kBusinessPerMille)) {
                GenerateBusiness(context);
            } else {
                GenerateHousehold(context);
            }
        }
    }
}

std::string BooksText(const std::vector<BookPlan>& plans) {
    std::string text;
    for (std::size_t book = 0; book < plans.size(); ++book) {
        const BookPlan& plan = plans[book];
        text += Line({"book", std::to_string(book), plan.name,
                      plan.postal_codes.empty() ? std::string() : plan.postal_codes[0]});
        for (const std::string& code : plan.area_codes) text += Line({"area", code});
        for (const std::string& code : plan.postal_codes) text += Line({"postal", code});
        for (const std::string& name : plan.place_names) text += Line({"place", name});
    }
    return text;
}

std::string TownsText(const std::vector<BookPlan>& plans) {
    std::string text;
    for (std::size_t book = 0; book < plans.size(); ++book) {
        const BookPlan& plan = plans[book];
        // Each town once, under its lowest postal code in this book (none when the
        // book knows none for it).
        std::vector<std::string> first(plan.place_names.size());
        std::vector<bool> listed(plan.place_names.size(), false);
        for (const PlaceUse& use : plan.places) {
            const auto place = static_cast<std::size_t>(use.place_index);
            listed[place] = true;
            if (use.postal_index < 0) continue;
            const std::string& code = plan.postal_codes[static_cast<std::size_t>(use.postal_index)];
            if (first[place].empty() || code < first[place]) first[place] = code;
        }
        for (std::size_t place = 0; place < listed.size(); ++place) {
            if (listed[place])
                text += Line({plan.place_names[place], first[place], std::to_string(book)});
        }
    }
    return text;
}

std::string PostalCodesText(const std::vector<BookPlan>& plans) {
    std::string text;
    for (std::size_t book = 0; book < plans.size(); ++book) {
        const BookPlan& plan = plans[book];
        // Each code once, with the first town listed under it.
        std::vector<bool> listed(plan.postal_codes.size(), false);
        for (const PlaceUse& use : plan.places) {
            if (use.postal_index < 0 || listed[static_cast<std::size_t>(use.postal_index)])
                continue;
            listed[static_cast<std::size_t>(use.postal_index)] = true;
            text += Line({plan.postal_codes[static_cast<std::size_t>(use.postal_index)],
                          plan.place_names[static_cast<std::size_t>(use.place_index)],
                          std::to_string(book)});
        }
    }
    return text;
}

std::string AreaCodesText(const std::vector<BookPlan>& plans) {
    std::string text;
    for (std::size_t book = 0; book < plans.size(); ++book) {
        text += Line({plans[book].area_codes[0], plans[book].name, std::to_string(book)});
    }
    return text;
}

std::string RowsText(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text.push_back('\t');
            text += row[i];
        }
        text.push_back('\n');
    }
    return text;
}

std::string TipsText(const std::vector<std::string>& tips) {
    std::string text;
    for (const std::string& tip : tips) text += tip + "\n";
    return text;
}

std::int64_t WriteDataSet(const Facts& facts, DataSize size, std::uint64_t seed,
                          const std::string& dir) {
    const std::vector<BookPlan> plans = PlanBooks(facts, size);
    const std::string base = dir + "/";
    if (!ReplaceFileContents(base + "books.tsv", BooksText(plans)) ||
        !ReplaceFileContents(base + "towns.tsv", TownsText(plans)) ||
        !ReplaceFileContents(base + "postalcodes.tsv", PostalCodesText(plans)) ||
        !ReplaceFileContents(base + "areacodes.tsv", AreaCodesText(plans)) ||
        !ReplaceFileContents(base + "countries.tsv", RowsText(facts.countries)) ||
        !ReplaceFileContents(base + "banks.tsv", RowsText(facts.banks)) ||
        !ReplaceFileContents(base + "tips.txt", TipsText(facts.tips))) {
        return -1;
    }
    StreamFile file;
    if (!file.Open(base + "subscribers.tsv")) return -1;
    CountingSink counter(&file);
    GenerateSubscribers(facts, plans, seed, &counter);
    if (!file.Finish()) return -1;
    return counter.lines();
}

}  // namespace vendarion::datagen
