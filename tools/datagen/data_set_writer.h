// Writes the eight source files of the data compiler for a generated data set:
// books, towns, postal codes, area codes, subscribers, countries, banks, tips.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "book_plan.h"
#include "facts.h"
#include "text_sink.h"

namespace vendarion::datagen {

// The subscribers of every book, in book order, as compiler source lines. The
// same facts, plans and seed always give the same text.
void GenerateSubscribers(const Facts& facts, const std::vector<BookPlan>& plans, std::uint64_t seed,
                         TextSink* sink);

// The contents of books.tsv, towns.tsv, postalcodes.tsv and areacodes.tsv. The
// town list has one line per town and book, the postal-code list one per code and
// book.
std::string BooksText(const std::vector<BookPlan>& plans);
std::string TownsText(const std::vector<BookPlan>& plans);
std::string PostalCodesText(const std::vector<BookPlan>& plans);
std::string AreaCodesText(const std::vector<BookPlan>& plans);
// countries.tsv, banks.tsv, tips.txt.
std::string RowsText(const std::vector<std::vector<std::string>>& rows);
std::string TipsText(const std::vector<std::string>& tips);

// Writes all eight files into dir (which must exist); each appears complete or
// not at all. Returns the number of subscriber entries written, -1 on failure
// (errno tells why).
[[nodiscard]] std::int64_t WriteDataSet(const Facts& facts, DataSize size, std::uint64_t seed,
                                        const std::string& dir);

}  // namespace vendarion::datagen
