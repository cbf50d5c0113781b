// vendarion-query internet: a name search sent to the directory server of the
// Internet search, its rows printed page by page as they arrive.
#include <cstdio>
#include <optional>
#include <string>

#include "app/settings_file.h"
#include "base/cp1252.h"
#include "base/setting_names.h"
#include "commands.h"
#include "data_options.h"
#include "net/internet_error.h"
#include "net/internet_query.h"
#include "query/name_mode.h"
#include "search/result_line.h"
#include "search/result_list.h"

namespace vendarion::query_tool {
namespace {

struct InternetArguments {
    std::string server;
    std::string url;
    int port = 0;
    bool without_cgi = false;
    InternetRequest request;
    NameMode mode = NameMode::kNormal;
};

// The option's text field of the request, or null.
std::string* TextOption(std::string_view option, InternetRequest* request) {
    if (option == "--name") return &request->name;
    if (option == "--first-name") return &request->first_name;
    if (option == "--street") return &request->street;
    if (option == "--heading") return &request->heading;
    if (option == "--town") return &request->town;
    if (option == "--postal-code") return &request->postal_code;
    if (option == "--area-code") return &request->area_code;
    return nullptr;
}

// Fills the connection from the settings file first; options override it.
void ReadSettings(InternetArguments* parsed) {
    SettingsFile settings(DefaultSettingsPath());
    parsed->server = Read(settings, setting::kInternetServer);
    parsed->url = Read(settings, setting::kInternetURL);
    parsed->port = Read(settings, setting::kInternetPort);
    parsed->without_cgi = Read(settings, setting::kOperateWithoutCGI) == 1;
    parsed->request.records_per_page = Read(settings, setting::kInternetRecPerPage);
}

bool ParseOption(std::string_view option, std::string_view value, InternetArguments* parsed,
                 std::string* error) {
    if (std::string* text = TextOption(option, &parsed->request)) {
        *text = Utf8ToCp1252(value);
    } else if (option == "--server") {
        parsed->server = std::string(value);
    } else if (option == "--url") {
        parsed->url = std::string(value);
    } else if (option == "--port" || option == "--per-page") {
        const std::optional<int> number = ParseNumber(value);
        if (!number) return *error = std::string(option) + " takes a number", false;
        (option == "--port" ? parsed->port : parsed->request.records_per_page) = *number;
    } else if (option == "--mode") {
        if (!ParseNameMode(value, &parsed->mode)) return *error = "unknown --mode", false;
    } else {
        return *error = "unexpected argument '" + std::string(option) + "'", false;
    }
    return true;
}

bool ParseArguments(const Arguments& args, InternetArguments* parsed, std::string* error) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return *error = std::string(args[i]) + " needs a value", false;
        if (!ParseOption(args[i], args[i + 1], parsed, error)) return false;
    }
    const InternetRequest& request = parsed->request;
    if (request.name.empty() && request.first_name.empty() && request.street.empty() &&
        request.heading.empty()) {
        *error = "internet needs --name, --first-name, --street or --heading";
    } else if (parsed->server.empty() || parsed->url.empty() || parsed->port == 0) {
        *error =
            "internet needs --server, --port and --url (or InternetServer, InternetPort and "
            "InternetURL in " +
            DefaultSettingsPath() + ")";
    }
    return error->empty();
}

void PrintLine(const SubscriberEntry& entry) {
    std::string line = Cp1252ToUtf8(SubscriberResultLine(entry, HitSource::kInternet));
    for (char& c : line) {
        if (c == kFieldSeparator) c = '\t';
    }
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
}

int QueryFailure(const InternetQuery& client) {
    std::string text;
    const int code = client.LastError(&text);
    return Failure("error " + std::to_string(code) + ": " + Cp1252ToUtf8(text));
}

}  // namespace

int RunInternet(const Arguments& args) {
    InternetArguments parsed;
    ReadSettings(&parsed);
    std::string error;
    if (!ParseArguments(args, &parsed, &error)) return UsageError(error);
    InternetQuery client;
    if (client.Initialise(parsed.server, parsed.url, parsed.port, parsed.without_cgi) != 0) {
        return QueryFailure(client);
    }
    InternetRequest& request = parsed.request;
    request.phonetic = parsed.mode == NameMode::kPhonetic;
    request.exact = parsed.mode == NameMode::kExact;
    client.BeginSearch();
    std::int64_t shown = 0;
    std::int64_t total = 0;
    for (request.page = 0;; ++request.page) {
        InternetReply reply;
        if (client.Query(request, &reply) != 0) return QueryFailure(client);
        if (shown == 0) total = reply.header.Total();
        for (const InternetEntry& received : reply.entries) {
            if (shown == ResultList::kMaxLines) {
                std::fprintf(stderr,
                             "vendarion-query: more than %d entries found; the first %d "
                             "are listed\n",
                             ResultList::kMaxLines, ResultList::kMaxLines);
                return 0;
            }
            PrintLine(received.entry);
            ++shown;
        }
        std::fflush(stdout);
        if (reply.entries.empty() || shown >= total) return 0;
    }
}

}  // namespace vendarion::query_tool
