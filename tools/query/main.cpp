// vendarion-query: the directory's command-line front end, for scripts and for
// looking into data files without the window.
#include <cstdio>
#include <string>
#include <string_view>

#include "commands.h"

namespace vendarion::query_tool {
namespace {

struct Command {
    std::string_view name;
    std::string_view synopsis;
    int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"fold", "fold TEXT...        folded form of each text (the key all lookups compare)", RunFold},
    {"phonetic", "phonetic NAME...    phonetic code of each name (sound-alike search)",
     RunPhonetic},
    {"archive", "archive FILE        members of an archive file and its data version", RunArchive},
    {"export",
     "export --format N [--output FILE]\n"
     "                      entries from standard input (one a line, the 16 fields tab-\n"
     "                      separated: name, first name, 5 name additions, heading,\n"
     "                      street, house number, town, postal code, area code, phone,\n"
     "                      call addition, display name) in export format N (0-8)",
     RunExport},
    {"tones",
     "tones NUMBER (--wav FILE | --play)\n"
     "                      the DTMF tones of a number, as a WAVE file or played",
     RunTones},
};

int Help(std::FILE* out) {
    std::fprintf(out,
                 "Usage: vendarion-query COMMAND [ARGUMENTS]\n\n"
                 "Looks into the directory data from the command line. Texts are UTF-8.\n\n"
                 "Commands:\n");
    for (const Command& command : kCommands) {
        std::fprintf(out, "  %.*s\n", static_cast<int>(command.synopsis.size()),
                     command.synopsis.data());
    }
    std::fprintf(out, "  help                this text\n");
    return 0;
}

}  // namespace

int UsageError(std::string_view message) {
    std::fprintf(stderr, "vendarion-query: %.*s\nTry 'vendarion-query help'.\n",
                 static_cast<int>(message.size()), message.data());
    return 2;
}

int Failure(std::string_view message) {
    std::fprintf(stderr, "vendarion-query: %.*s\n", static_cast<int>(message.size()),
                 message.data());
    return 1;
}

}  // namespace vendarion::query_tool

int main(int argc, char** argv) {
    using namespace vendarion::query_tool;
    if (argc < 2) return Help(stderr), 2;
    const std::string_view name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") return Help(stdout);
    const Arguments args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (command.name == name) return command.run(args);
    }
    return UsageError("unknown command '" + std::string(name) + "'");
}
