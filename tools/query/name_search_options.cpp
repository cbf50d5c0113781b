#include "name_search_options.h"

#include <string>

#include "base/cp1252.h"
#include "commands.h"

namespace vendarion::query_tool {
namespace {

struct TextOption {
    std::string_view name;
    std::string SearchRequest::*field;
};
constexpr TextOption kTextOptions[] = {
    {"--name", &SearchRequest::surname},
    {"--first-name", &SearchRequest::first_name},
    {"--street", &SearchRequest::street},
    {"--heading", &SearchRequest::heading},
};

}  // namespace

int TakeNameSearchOption(std::string_view command, std::string_view option, std::string_view value,
                         SearchRequest* texts, NameMode* mode) {
    for (const TextOption& text : kTextOptions) {
        if (option == text.name) {
            texts->*text.field = Utf8ToCp1252(value);
            return 0;
        }
    }
    if (option != "--mode") return -1;
    if (!ParseNameMode(value, mode)) {
        return UsageError(std::string(command) + ": unknown mode '" + std::string(value) + "'");
    }
    return 0;
}

PlaceKind PlaceKindOf(std::string_view text) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return PlaceKind::kTown;
    return text[0] == '0' ? PlaceKind::kAreaCode : PlaceKind::kPostalCode;
}

}  // namespace vendarion::query_tool
