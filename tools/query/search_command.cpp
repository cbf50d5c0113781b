// search: the directory search of the main window from the command line (names in
// one or several towns, in the six name modes), and the bank and foreign code
// searches. Runs the same search control and worker as the window; Ctrl+C cancels a
// running search, keeping the rows found so far.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/ascii_text.h"
#include "base/cp1252.h"
#include "base/fold_text.h"
#include "commands.h"
#include "data_options.h"
#include "interrupt_watcher.h"
#include "name_search_options.h"
#include "resources/string_table.h"
#include "search/search_control.h"
#include "search/search_event_queue.h"

namespace vendarion::query_tool {
namespace {

// Rows printed of a whole book or table (the search results are at most 1000).
constexpr int kDefaultLimit = 20;
constexpr int kInterruptedExit = 130;

struct SearchOptions {
    std::vector<std::string> towns;  // as typed, UTF-8
    SearchRequest texts;             // Windows-1252
    NameMode mode = NameMode::kNormal;
    std::optional<std::string> bank;     // Windows-1252
    std::optional<std::string> country;  // Windows-1252
    int limit = kDefaultLimit;
};

// Takes the value of one option; the usage exit code when it is unknown or bad.
int TakeOption(std::string_view option, std::string_view value, SearchOptions* options) {
    const int name_option =
        TakeNameSearchOption("search", option, value, &options->texts, &options->mode);
    if (name_option >= 0) return name_option;
    if (option == "--town") {
        options->towns.emplace_back(value);
    } else if (option == "--bank" || option == "--country") {
        (option == "--bank" ? options->bank : options->country) = Utf8ToCp1252(value);
    } else if (option == "--limit") {
        const std::optional<int> limit = ParseNumber(value);
        if (!limit) return UsageError("search: LIMIT must be a number");
        options->limit = *limit;
    } else {
        return UsageError("search: unknown option '" + std::string(option) + "'");
    }
    return 0;
}

// Parses the arguments after --data; the usage exit code on a mistake, else 0.
int ParseSearchOptions(const Arguments& args, SearchOptions* options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i + 1 == args.size()) {
            return UsageError("search: option '" + std::string(args[i]) + "' needs a value");
        } else if (const int usage = TakeOption(args[i], args[i + 1], options)) {
            return usage;
        } else {
            ++i;
        }
    }
    const int kinds =
        (options->bank ? 1 : 0) + (options->country ? 1 : 0) + (!options->towns.empty() ? 1 : 0);
    if (kinds != 1) {
        return UsageError("search needs --town TOWN, --bank TEXT or --country TEXT");
    }
    return 0;
}

// The book of a town given by name, postal code (digits) or area code (a leading
// zero): the first entry of the list that begins with the text, folded for names.
// -1 when no entry does.
int ResolveTown(DataSet& data_set, const std::string& typed) {
    const std::string text = Utf8ToCp1252(typed);
    if (text.empty()) return -1;
    const PlaceKind kind = PlaceKindOf(text);
    const bool code = kind != PlaceKind::kTown;
    SortedList& list = kind == PlaceKind::kTown       ? data_set.Towns()
                       : kind == PlaceKind::kAreaCode ? data_set.AreaCodes()
                                                      : data_set.PostalCodes();
    const int r = list.FindPrefix(text);
    if (r < 0) return -1;
    const ByteView bytes = list.Record(r);
    if (bytes.empty()) return -1;
    const ListRecord record = list.Parse(bytes);
    std::string rest;
    const bool begins =
        code ? record.first.starts_with(text) : CompleteFromPrefix(text, record.first, &rest);
    return begins ? record.book : -1;
}

// Fills the control's inputs from the options; false after reporting a town that
// no list knows.
bool SetInputs(DataSet& data_set, const SearchOptions& options, SearchControl& control) {
    SearchInputs& inputs = control.Inputs();
    if (options.bank) {
        inputs.list_type = ListType::kBankCodes;
        inputs.bank_text = *options.bank;
        return true;
    }
    if (options.country) {
        inputs.list_type = ListType::kCountryCodes;
        inputs.country_text = *options.country;
        return true;
    }
    inputs.list_type = ListType::kNames;
    inputs.texts = options.texts;
    inputs.name_mode = options.mode;
    std::vector<int> books;
    for (const std::string& town : options.towns) {
        const int book = ResolveTown(data_set, town);
        if (book < 0) {
            Failure("no town, postal code or area code '" + town + "'");
            return false;
        }
        books.push_back(book);
    }
    if (control.SetUpTownSet(books) < 2 && !books.empty()) inputs.town_book = books[0];
    return true;
}

int ColumnCount(ListType type) {
    return type == ListType::kBankCodes ? 4 : type == ListType::kCountryCodes ? 2 : 11;
}

// Prints up to count rows of the shown list from row first, cells tab-separated.
// The display name (column 8) is printed without the blank it ends with.
void PrintRows(SearchControl& control, int first, int count) {
    constexpr int kDisplayNameColumn = 8;
    const int columns = ColumnCount(control.Inputs().list_type);
    ListRows& rows = control.Rows();
    for (int r = first; r < rows.Count() && r - first < count; ++r) {
        std::string line;
        for (int c = 0; c < columns; ++c) {
            if (c > 0) line.push_back('\t');
            const std::string cell = rows.Text(r, c);
            line += Cp1252ToUtf8(c == kDisplayNameColumn ? TrimTrailingBlanks(cell) : cell);
        }
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
}

void PrintText(std::string_view text) { std::printf("%s\n", Cp1252ToUtf8(text).c_str()); }

// Runs the search to its end (or Ctrl+C) and prints what the list shows.
int Search(DataSet& data_set, const SearchOptions& options) {
    SearchEventQueue queue;
    InterruptWatcher watcher(queue);
    std::unique_ptr<SearchControl> control = SearchControl::Create(data_set, queue);
    if (!control) return Failure("the search cannot open its own book list");
    if (!SetInputs(data_set, options, *control)) return 1;
    const StartOutcome start = control->StartSearch();
    // A Ctrl+C taken before the start stops the search at once, not when the queue is
    // next read: by then a short search may have listed all its rows.
    if (watcher.Interrupted()) control->CancelSearch();
    const FinishOutcome finish = DriveSearches(*control, queue);
    if (start == StartOutcome::kWholeBook) {
        PrintRows(*control, control->PositionedRow(), options.limit);
    } else if (start == StartOutcome::kWholeTable) {
        PrintRows(*control, 0, options.limit);
    } else if (start == StartOutcome::kWorker) {
        PrintRows(*control, 0, ResultList::kMaxLines);
    }
    PrintText(control->CountText());
    if (finish == FinishOutcome::kLineLimitHit) PrintText(LoadString(kLineLimitMessage));
    control.reset();
    return watcher.Interrupted() ? kInterruptedExit : 0;
}

}  // namespace

int RunSearch(const Arguments& args) {
    DataArguments parsed;
    if (!ParseDataArguments(args, "search", &parsed)) return 2;
    SearchOptions options;
    if (const int usage = ParseSearchOptions(parsed.positional, &options)) return usage;
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    return Search(data_set, options);
}

}  // namespace vendarion::query_tool
