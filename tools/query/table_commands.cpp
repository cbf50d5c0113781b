// banks, countries: the records of a reference table that contain a text.
#include <string>

#include "base/cp1252.h"
#include "commands.h"
#include "data_options.h"

namespace vendarion::query_tool {
namespace {

// Prints the record number and the fields of every match, in the table's field
// order as stored (code first).
int RunReference(const Arguments& args, std::string_view command, bool banks) {
    DataArguments parsed;
    if (!ParseDataArguments(args, command, &parsed)) return 2;
    if (parsed.positional.size() > 1) return UsageError(std::string(command) + " needs [TEXT]");
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    const ReferenceTable& table = banks ? data_set.Books().Banks() : data_set.Books().Countries();
    const std::string text = parsed.positional.empty() ? "" : Utf8ToCp1252(parsed.positional[0]);
    int position = 0;
    for (int r; (r = table.NextMatch(&position, text)) >= 0;) {
        if (banks) {
            PrintRow({Number(r), table.Field(r, static_cast<int>(BankField::kCode)),
                      table.Field(r, static_cast<int>(BankField::kName)),
                      table.Field(r, static_cast<int>(BankField::kPostalCode)),
                      table.Field(r, static_cast<int>(BankField::kTown))});
        } else {
            PrintRow({Number(r), table.Field(r, static_cast<int>(CountryField::kCode)),
                      table.Field(r, static_cast<int>(CountryField::kMark)),
                      table.Field(r, static_cast<int>(CountryField::kName))});
        }
    }
    return 0;
}

}  // namespace

int RunBanks(const Arguments& args) { return RunReference(args, "banks", true); }
int RunCountries(const Arguments& args) { return RunReference(args, "countries", false); }

}  // namespace vendarion::query_tool
