#include <cstdio>
#include <string>

#include "base/cp1252.h"
#include "base/fold_text.h"
#include "base/phonetic_code.h"
#include "commands.h"

namespace vendarion::query_tool {
namespace {

// Prints "text<TAB>result" for each argument; result computed over Windows-1252.
int PrintEach(const Arguments& args, std::string_view what,
              std::string (*transform)(std::string_view)) {
    if (args.empty()) return UsageError(std::string(what) + " needs at least one text");
    for (const std::string_view arg : args) {
        const std::string result = Cp1252ToUtf8(transform(Utf8ToCp1252(arg)));
        std::printf("%.*s\t%s\n", static_cast<int>(arg.size()), arg.data(), result.c_str());
    }
    return 0;
}

}  // namespace

int RunFold(const Arguments& args) {
    return PrintEach(args, "fold", [](std::string_view text) { return FoldText(text); });
}

int RunPhonetic(const Arguments& args) {
    return PrintEach(args, "phonetic", [](std::string_view text) { return PhoneticCode(text); });
}

}  // namespace vendarion::query_tool
