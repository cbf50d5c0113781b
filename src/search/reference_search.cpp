#include "search/reference_search.h"

#include "search/result_line.h"
#include "search/search_worker.h"
#include "store/reference_table.h"

namespace vendarion {
namespace {

std::string ReferenceLine(const ReferenceTable& table, int r) {
    if (table.Kind() == ReferenceKind::kBanks) {
        return BankResultLine(table.Field(r, static_cast<int>(BankField::kCode)),
                              table.Field(r, static_cast<int>(BankField::kName)),
                              table.Field(r, static_cast<int>(BankField::kPostalCode)),
                              table.Field(r, static_cast<int>(BankField::kTown)));
    }
    return CountryResultLine(table.Field(r, static_cast<int>(CountryField::kName)),
                             table.Field(r, static_cast<int>(CountryField::kCode)));
}

}  // namespace

void RunReferenceSearch(SearchWorker& worker, const ReferenceTable& table, std::string text) {
    int position = 0;
    for (int r; worker.Running() && (r = table.NextMatch(&position, text)) >= 0;) {
        if (!worker.AddLine(ReferenceLine(table, r))) break;
    }
    worker.Stop();
}

}  // namespace vendarion
