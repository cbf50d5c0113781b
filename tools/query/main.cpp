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
    {"fold", "fold TEXT...               folded form of each text (the key all lookups compare)",
     RunFold},
    {"phonetic", "phonetic NAME...           phonetic code of each name (sound-alike search)",
     RunPhonetic},
    {"archive", "archive FILE               members of an archive file and its data version",
     RunArchive},
    {"towns",
     "towns PREFIX [COUNT]       towns from the lower bound of PREFIX: record,\n"
     "                             town, postal code, book",
     RunTowns},
    {"postcodes", "postcodes PREFIX [COUNT]   postal codes likewise: record, code, town, book",
     RunPostalCodes},
    {"areacodes", "areacodes PREFIX [COUNT]   area codes likewise: record, code, town, book",
     RunAreaCodes},
    {"words", "words DICT FIRST [LAST]    words of a dictionary by number: number, word", RunWords},
    {"lookup",
     "lookup DICT TEXT...        per text: text, lower bound, its word, equal range\n"
     "                             (lo, hi), prefix range (lo, hi); -1 for none",
     RunLookup},
    {"book", "book BOOK                  book name, postal code, number of entries", RunBook},
    {"find",
     "find BOOK [SURNAME [FIRST]]\n"
     "                             record number of the first matching main entry",
     RunFind},
    {"entries",
     "entries BOOK [POS [COUNT]] decoded entries of a book from POS (default:\n"
     "                             its first): record, level, flag, 16 fields",
     RunEntries},
    {"streets", "streets BOOK [TEXT]        streets of a book, or the position TEXT finds",
     RunStreets},
    {"headings", "headings BOOK [TEXT]       trade headings of a book likewise", RunHeadings},
    {"books", "books SURNAME              books the surname occurs in: surname, book, name",
     RunBooks},
    {"banks",
     "banks [TEXT]               banks containing TEXT: record, code, name, postal\n"
     "                             code, town",
     RunBanks},
    {"countries", "countries [TEXT]           countries containing TEXT: record, code, mark, name",
     RunCountries},
    {"soundalike",
     "soundalike NAME            surnames with the phonetic code of NAME: code,\n"
     "                             id, surname",
     RunSoundAlike},
    {"search",
     "search --town TOWN [--town TOWN...] [--name SURNAME] [--first-name TEXT]\n"
     "       [--street TEXT] [--heading TEXT] [--mode MODE] [--limit N]\n"
     "                             names in one town or in several (merged by name);\n"
     "                             TOWN is a town name, postal code or area code (the\n"
     "                             first list entry it begins), MODE a number 1-6 or\n"
     "                             Normal, Exakt, Phonetisch, \"Normal, komplett\",\n"
     "                             \"Exakt, komplett\", Namensteile. Prints the result\n"
     "                             lines (name, first name, heading, street, area code,\n"
     "                             phone, postal code, town, display name, call\n"
     "                             addition, level), the count text and, when more than\n"
     "                             1000 names were found, the message about the limit.\n"
     "                             A surname alone in mode Normal in one town shows the\n"
     "                             whole book from that name: N rows (default 20).\n"
     "                             Ctrl+C stops the search and prints what was found\n"
     "                             (exit code 130)\n"
     "search --bank TEXT | --country TEXT [--limit N]\n"
     "                             bank codes (code, name, postal code, town) or foreign\n"
     "                             dialling codes (country, code) containing TEXT; an\n"
     "                             empty TEXT shows the table's first N rows",
     RunSearch},
    {"export",
     "export --format N [--output FILE]\n"
     "                      entries from standard input (one a line, the 16 fields tab-\n"
     "                      separated: name, first name, 5 name additions, heading,\n"
     "                      street, house number, town, postal code, area code, phone,\n"
     "                      call addition, display name) in export format N (0-8)",
     RunExport},
    {"internet",
     "internet [--name SURNAME] [--first-name TEXT] [--street TEXT] [--heading TEXT]\n"
     "         [--town TOWN...] [--mode MODE] [--server HOST] [--port N] [--url PATH]\n"
     "         [--per-page N] [--timeout SECONDS]\n"
     "                             the Internet search: sent to the directory server\n"
     "                             page by page, the result lines printed as they\n"
     "                             arrive (at most 1000). TOWN and MODE as for search;\n"
     "                             a town, a postal code and an area code may be given\n"
     "                             together. Server, port, path and page size default\n"
     "                             to the settings InternetServer, InternetPort,\n"
     "                             InternetURL and InternetRecPerPage. Ctrl+C aborts\n"
     "                             the transfer (exit code 130)",
     RunInternet},
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
    std::fprintf(out,
                 "  help                       this text\n\n"
                 "The data commands (from towns on) need --data DIR, the folder that holds\n"
                 "Index.mf, Code.mf, List.mf and Data.mf. Output: one record per line, fields\n"
                 "separated by tabs, UTF-8.\n");
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
