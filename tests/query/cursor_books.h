// Hand-built books for the search cursor tests: entries given by their texts, with
// small dictionaries, written as a complete data set into a temporary folder.
#pragma once

#include <string>
#include <vector>

#include "query/search_cursor.h"
#include "sample_data_set.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion::test {

// One subscriber record by its texts (Windows-1252); an empty text is no word.
struct BookEntry {
    int book = 0;
    std::string surname;
    std::string first_name;
    std::string street;
    std::string heading;
    int level = 0;
};

// The words every cursor test book can use, each dictionary sorted by folded form.
std::vector<std::string> CursorSurnames();
std::vector<std::string> CursorFirstNames();
std::vector<std::string> CursorStreets();
std::vector<std::string> CursorHeadings();

class CursorBooks {
public:
    // Writes and opens a data set of three books holding entries, which must be in
    // table order (book, surname, first name of each main entry, sub-entries after
    // their main entry), with the index of sub-entry surnames at sub_name_block pairs
    // to a block (0: without it), each member passed through edit, and unused_surnames
    // more surnames in the dictionary that no entry carries, as a national dictionary
    // holds words that a book lacks. Check Ok() before use.
    explicit CursorBooks(const std::vector<BookEntry>& entries, int sub_name_block = 3,
                         const MemberEdit& edit = {}, int unused_surnames = 0);
    bool Ok() const { return ok_; }

    BookList& Books() { return data_set_.Books(); }
    // The records in table order, as written.
    const std::vector<TableRecord>& Records() const { return records_; }

    // Every hit of a search, as record numbers, stepping with the given budget; the
    // cursor takes its Namensteile verdicts from carried and hands them back.
    std::vector<int> Hits(const SearchRequest& request, int book, NameMode mode, int budget = 10,
                          NamePartWords* carried = nullptr);
    // How many calls of StepCursor the search takes with a budget of 1 (about the
    // records it visits), and whether its cursor walks by the index.
    int Visits(const SearchRequest& request, int book, NameMode mode);
    bool Indexed(const SearchRequest& request, int book, NameMode mode);

private:
    TempDir dir_;
    DataSet data_set_;
    std::vector<TableRecord> records_;
    bool ok_ = false;
};

// A shorthand for requests: surname, first name, street, heading.
SearchRequest Request(std::string surname, std::string first_name = {}, std::string street = {},
                      std::string heading = {});

}  // namespace vendarion::test
