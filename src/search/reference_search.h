// The bank sort code search (event 1) and the foreign dialling code search (event 2):
// the records of a reference table that contain the folded search text.
#pragma once

#include <string>

namespace vendarion {

class ReferenceTable;
class SearchWorker;

// Worker thread. Adds the line of every record that contains the text (banks: name,
// town, code or postal code; countries: name, code or mark), in table order, while
// the search runs; a refused line ends the search. The table is immutable and may
// be the user-interface thread's.
void RunReferenceSearch(SearchWorker& worker, const ReferenceTable& table, std::string text);

}  // namespace vendarion
