// The state of generating one book's subscribers: its random stream, streets and
// place weights, and the output. Entry kinds (households, businesses) are written
// through it. One object per book; not thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "book_plan.h"
#include "entry_line.h"
#include "facts.h"
#include "random.h"
#include "text_sink.h"
#include "weighted_table.h"

namespace vendarion::datagen {

// Weighted tables over the facts' lists, built once per run.
struct NameTables {
    explicit NameTables(const Facts& facts);
    WeightedTable surnames;
    WeightedTable male_first_names;  // indexes into `male`
    WeightedTable female_first_names;
    WeightedTable headings;
    std::vector<std::size_t> male;
    std::vector<std::size_t> female;
};

class BookContext {
public:
    BookContext(const Facts& facts, const NameTables& tables, const std::vector<BookPlan>& plans,
                int book, std::uint64_t seed, TextSink* sink);
    ~BookContext();
    BookContext(const BookContext&) = delete;
    BookContext& operator=(const BookContext&) = delete;

    Random& random() { return random_; }
    const BookPlan& plan() const { return plans_[static_cast<std::size_t>(book_)]; }
    std::uint32_t written() const { return written_; }

    std::string Surname();  // now and then a double name
    std::string FirstName(bool female);
    const Heading& PickHeading();
    // A main entry of this book at a random address: place, postal code, street,
    // house number, the book's own area code.
    EntryLine MainEntry();
    // Digits of a subscriber number under the book's area code.
    int LocalDigits();
    std::uint32_t LocalNumber(int digits);
    // A mobile number with its area index (a mobile prefix of the book).
    void SetMobile(EntryLine* line);
    void Emit(const EntryLine& line);

private:
    void Flush();

    const Facts& facts_;
    const NameTables& tables_;
    const std::vector<BookPlan>& plans_;
    int book_;
    Random random_;
    TextSink* sink_;
    std::vector<std::string> streets_;
    WeightedTable street_table_;
    WeightedTable place_table_;
    std::string buffer_;
    std::uint32_t written_ = 0;
};

}  // namespace vendarion::datagen
