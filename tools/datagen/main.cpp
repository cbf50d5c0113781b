// vendarion-datagen: writes the source files of a synthetic but realistic data set
// (real places and codes, invented subscribers) for the data compiler.
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "book_plan.h"
#include "data_set_writer.h"
#include "facts.h"

namespace {

constexpr char kUsage[] =
    "Usage: vendarion-datagen [--size tiny|sample|national] [--seed N] [--facts DIR] "
    "OUTPUT_DIR\n\n"
    "Writes books.tsv, towns.tsv, postalcodes.tsv, areacodes.tsv, subscribers.tsv,\n"
    "countries.tsv, banks.tsv and tips.txt into OUTPUT_DIR (which must exist).\n"
    "The same size and seed always give the same files. Defaults: --size sample,\n"
    "--seed 1, --facts " VENDARION_FACTS_DIR "\n";

int UsageError(const char* message) {
    std::fprintf(stderr, "vendarion-datagen: %s\n%s", message, kUsage);
    return 2;
}

struct Options {
    vendarion::datagen::DataSize size = vendarion::datagen::DataSize::kSample;
    std::uint64_t seed = 1;
    std::string facts_dir = VENDARION_FACTS_DIR;
    std::string output;
};

// Null when the arguments are good; else the message of the usage error.
const char* ParseArguments(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--size" && has_value) {
            if (!vendarion::datagen::ParseDataSize(argv[++i], &options->size)) {
                return "unknown size";
            }
        } else if (arg == "--seed" && has_value) {
            const std::string_view text = argv[++i];
            const char* end = text.data() + text.size();
            const auto result = std::from_chars(text.data(), end, options->seed);
            if (result.ec != std::errc() || result.ptr != end) {
                return "the seed must be a decimal number";
            }
        } else if (arg == "--facts" && has_value) {
            options->facts_dir = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && options->output.empty()) {
            options->output = arg;
        } else {
            return "bad arguments";
        }
    }
    return options->output.empty() ? "no output folder" : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vendarion::datagen;
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        return std::fputs(kUsage, stdout), 0;
    }
    Options options;
    if (const char* message = ParseArguments(argc, argv, &options)) return UsageError(message);
    Facts facts;
    std::string error;
    if (!LoadFacts(options.facts_dir, &facts, &error)) {
        std::fprintf(stderr, "vendarion-datagen: %s\n", error.c_str());
        return 1;
    }
    const std::int64_t entries = WriteDataSet(facts, options.size, options.seed, options.output);
    if (entries < 0) {
        std::fprintf(stderr, "vendarion-datagen: cannot write into %s: %s\n",
                     options.output.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("%lld entries in %zu books written to %s\n", static_cast<long long>(entries),
                facts.area_codes.size(), options.output.c_str());
    return 0;
}
