// internet: a name search sent to the directory server of the Internet search. Runs
// the same start checks, client and worker job as the window; rows are printed as
// the pages arrive, and Ctrl+C aborts the transfer, keeping the rows printed.
#include <cstdio>
#include <optional>
#include <string>

#include "app/settings_file.h"
#include "base/cp1252.h"
#include "base/setting_names.h"
#include "commands.h"
#include "data_options.h"
#include "interrupt_watcher.h"
#include "name_search_options.h"
#include "net/socket_internet_client.h"
#include "overlay_settings.h"
#include "query/name_mode.h"
#include "resources/string_table.h"
#include "search/internet_search.h"
#include "search/result_line.h"
#include "search/search_event_queue.h"
#include "search/search_worker.h"

namespace vendarion::query_tool {
namespace {

constexpr int kInterruptedExit = 130;

// The typed query: the name-search texts and mode, and the place texts.
struct QueryOptions {
    SearchRequest texts;
    NameMode mode = NameMode::kNormal;
    std::string town;
    std::string postal_code;
    std::string area_code;
};

std::string* PlaceText(QueryOptions* options, std::string_view text) {
    switch (PlaceKindOf(text)) {
        case PlaceKind::kPostalCode:
            return &options->postal_code;
        case PlaceKind::kAreaCode:
            return &options->area_code;
        case PlaceKind::kTown:
            break;
    }
    return &options->town;
}

// Takes the value of one option; the usage exit code when it is unknown or bad.
int TakeOption(std::string_view option, std::string_view value, QueryOptions* options,
               OverlaySettings* settings) {
    const int name_option =
        TakeNameSearchOption("internet", option, value, &options->texts, &options->mode);
    if (name_option >= 0) return name_option;
    if (option == "--town") {
        *PlaceText(options, value) = Utf8ToCp1252(value);
    } else if (option == "--server" || option == "--url") {
        settings->SetText(
            option == "--server" ? setting::kInternetServer.name : setting::kInternetURL.name,
            value);
    } else if (option == "--port" || option == "--per-page" || option == "--timeout") {
        const std::optional<int> number = ParseNumber(value);
        if (!number) return UsageError("internet: " + std::string(option) + " takes a number");
        const std::string_view name = option == "--port"       ? setting::kInternetPort.name
                                      : option == "--per-page" ? setting::kInternetRecPerPage.name
                                                               : setting::kInternetTimeout.name;
        settings->SetNumber(name, *number);
    } else {
        return UsageError("internet: unknown option '" + std::string(option) + "'");
    }
    return 0;
}

void PrintRows(const ResultList& results, int* printed) {
    for (; *printed < results.Count(); ++*printed) {
        std::string line = Cp1252ToUtf8(results.Line(*printed));
        for (char& c : line) {
            if (c == kFieldSeparator) c = '\t';
        }
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    std::fflush(stdout);
}

std::string Text(int id) { return Cp1252ToUtf8(LoadString(id)); }

// Runs the worker's job for the query to its end (or Ctrl+C), printing rows as they
// are listed; the exit code.
int RunSearch(SocketInternetClient& client, const InternetQuery& query) {
    SearchEventQueue queue;
    InterruptWatcher watcher(queue);  // before the worker: its thread inherits the block
    ResultList results;
    InternetFailure failure;
    SearchWorker worker(results, queue);
    worker.SetJob(SearchEvent::kInternet, [&](SearchWorker& running) {
        RunInternetSearch(running, client, query, &failure);
    });
    worker.Signal(SearchEvent::kInternet);
    int printed = 0;
    for (SearchEventQueue::Event event;
         (event = queue.Wait()) != SearchEventQueue::Event::kFinished;) {
        if (event == SearchEventQueue::Event::kInterrupt) {
            worker.Cancel();
            client.Abort();
        }
        PrintRows(results, &printed);
    }
    PrintRows(results, &printed);
    if (failure.Shown()) return Failure(Cp1252ToUtf8(failure.text));
    if (worker.HitLineLimit()) std::fprintf(stderr, "%s\n", Text(kLineLimitMessage).c_str());
    return watcher.Interrupted() ? kInterruptedExit : 0;
}

}  // namespace

int RunInternet(const Arguments& args) {
    SettingsFile file(DefaultSettingsPath());
    OverlaySettings settings(file);
    QueryOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 == args.size()) {
            return UsageError("internet: option '" + std::string(args[i]) + "' needs a value");
        }
        if (const int usage = TakeOption(args[i], args[i + 1], &options, &settings)) return usage;
    }
    InternetQuery query = MakeInternetQuery(options.texts, options.mode, options.town,
                                            options.postal_code, options.area_code);
    SocketInternetClient client;
    bool connected = false;
    switch (PrepareInternetSearch(settings, client, &connected, &query)) {
        case InternetStart::kTooFewInputs:
            return UsageError(Text(kTooFewInternetInputsMessage));
        case InternetStart::kNoSettings:
            return UsageError(Text(kNoInternetSettingsMessage) + " (--server, --port, --url)");
        case InternetStart::kConnectFailed:
            return Failure(Cp1252ToUtf8(client.ErrorText()));
        case InternetStart::kReady:
            break;
    }
    return RunSearch(client, query);
}

}  // namespace vendarion::query_tool
