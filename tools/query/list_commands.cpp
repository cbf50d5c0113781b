// towns, postcodes, areacodes: the sorted lists by prefix; words, lookup: a field
// dictionary by number and by text.
#include <cstdio>
#include <string>

#include "base/cp1252.h"
#include "commands.h"
#include "data_options.h"

namespace vendarion::query_tool {
namespace {

constexpr int kDefaultRows = 10;

// Prints COUNT records from the lower bound of PREFIX: number, record fields, book.
int RunList(const Arguments& args, std::string_view command, SortedList& (DataSet::*list)()) {
    DataArguments parsed;
    if (!ParseDataArguments(args, command, &parsed)) return 2;
    const Arguments& rest = parsed.positional;
    if (rest.empty() || rest.size() > 2)
        return UsageError(std::string(command) + " needs PREFIX [COUNT]");
    const std::optional<int> count = rest.size() == 2 ? ParseNumber(rest[1]) : kDefaultRows;
    if (!count) return UsageError("COUNT must be a number");
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    SortedList& sorted = (data_set.*list)();
    const int first = sorted.FindPrefix(Utf8ToCp1252(rest[0]));
    if (first < 0) return 0;
    for (int r = first; r < sorted.Count() && r < first + *count; ++r) {
        const ByteView bytes = sorted.Record(r);
        if (bytes.empty())
            return Failure("record " + Number(r) + " cannot be read (damaged block)");
        const ListRecord record = sorted.Parse(bytes);
        PrintRow({Number(r), record.first, record.second, Number(record.book)});
    }
    return 0;
}

// Opens the data set and the named dictionary of the book list.
FieldDictionary* OpenDictionary(const DataArguments& parsed, DataSet* data_set) {
    if (!OpenDataSet(parsed.folder, data_set)) return nullptr;
    const std::string name(parsed.positional[0]);
    FieldDictionary* dictionary =
        name == "namen" ? &data_set->Names() : data_set->Books().Dictionary(name);
    if (dictionary == nullptr) {
        Failure("unknown dictionary '" + name +
                "' (namen, Namen, Vornamen, Strassen, bezeichnungen, rufzusatz, hausnr, "
                "namezusatz)");
    }
    return dictionary;
}

}  // namespace

int RunTowns(const Arguments& args) { return RunList(args, "towns", &DataSet::Towns); }
int RunPostalCodes(const Arguments& args) {
    return RunList(args, "postcodes", &DataSet::PostalCodes);
}
int RunAreaCodes(const Arguments& args) { return RunList(args, "areacodes", &DataSet::AreaCodes); }

int RunWords(const Arguments& args) {
    DataArguments parsed;
    if (!ParseDataArguments(args, "words", &parsed)) return 2;
    const Arguments& rest = parsed.positional;
    if (rest.size() < 2 || rest.size() > 3)
        return UsageError("words needs DICTIONARY FIRST [LAST]");
    const std::optional<int> first = ParseNumber(rest[1]);
    const std::optional<int> last = rest.size() == 3 ? ParseNumber(rest[2]) : first;
    if (!first || !last) return UsageError("FIRST and LAST must be numbers");
    DataSet data_set;
    FieldDictionary* dictionary = OpenDictionary(parsed, &data_set);
    if (dictionary == nullptr) return 1;
    for (int n = *first; n <= *last && n < dictionary->Count(); ++n) {
        const std::string word(dictionary->Word(n));
        PrintRow({Number(n), word});
    }
    return 0;
}

int RunLookup(const Arguments& args) {
    DataArguments parsed;
    if (!ParseDataArguments(args, "lookup", &parsed)) return 2;
    if (parsed.positional.size() < 2) return UsageError("lookup needs DICTIONARY TEXT...");
    DataSet data_set;
    FieldDictionary* dictionary = OpenDictionary(parsed, &data_set);
    if (dictionary == nullptr) return 1;
    for (std::size_t i = 1; i < parsed.positional.size(); ++i) {
        const std::string text = Utf8ToCp1252(parsed.positional[i]);
        const int lower = dictionary->LowerBound(text);
        const std::string word = lower >= 0 ? std::string(dictionary->Word(lower)) : "";
        int equal_lo = -1;
        int equal_hi = -1;
        static_cast<void>(dictionary->EqualRange(text, &equal_lo, &equal_hi));
        int prefix_lo = -1;
        int prefix_hi = -1;
        static_cast<void>(dictionary->PrefixRange(text, &prefix_lo, &prefix_hi));
        PrintRow({text, Number(lower), word, Number(equal_lo), Number(equal_hi), Number(prefix_lo),
                  Number(prefix_hi)});
    }
    return 0;
}

}  // namespace vendarion::query_tool
