// vendarion-datagen: writes the source files of a synthetic but realistic data set
// (real places and codes, invented subscribers) for the data compiler.
#include <cerrno>
#include <charconv>
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

}  // namespace

int main(int argc, char** argv) {
    using namespace vendarion::datagen;
    DataSize size = DataSize::kSample;
    std::uint64_t seed = 1;
    std::string facts_dir = VENDARION_FACTS_DIR;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--help" || arg == "-h") return std::fputs(kUsage, stdout), 0;
        if (arg == "--size" && has_value) {
            if (!ParseDataSize(argv[++i], &size)) return UsageError("unknown size");
        } else if (arg == "--seed" && has_value) {
            const std::string_view text = argv[++i];
            const auto result = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
                return UsageError("the seed must be a decimal number");
            }
        } else if (arg == "--facts" && has_value) {
            facts_dir = argv[++i];
        } else if (!arg.empty() && arg[0] != '-' && output.empty()) {
            output = arg;
        } else {
            return UsageError("bad arguments");
        }
    }
    if (output.empty()) return UsageError("no output folder");
    Facts facts;
    std::string error;
    if (!LoadFacts(facts_dir, &facts, &error)) {
        std::fprintf(stderr, "vendarion-datagen: %s\n", error.c_str());
        return 1;
    }
    const std::int64_t entries = WriteDataSet(facts, size, seed, output);
    if (entries < 0) {
        std::fprintf(stderr, "vendarion-datagen: cannot write into %s: %s\n", output.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::printf("%lld entries in %zu books written to %s\n", static_cast<long long>(entries),
                facts.area_codes.size(), output.c_str());
    return 0;
}
