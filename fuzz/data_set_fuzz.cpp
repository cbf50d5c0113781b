// Damages one member of the sample data set at a time: the first two bytes of an
// input choose the member (of all members of the four archives), the rest replace
// its bytes. The archive is written anew with that member, the data set opened over
// it, and when it opens every reader is used and one search runs in each name mode
// in every book. Nothing may crash or read outside; what is found does not matter.
//
// With VENDARION_FUZZ_SEEDS set to a folder, the process writes one seed per member
// there (the member unchanged; none for members over 128 KB) and ends: the seed
// corpus in git comes from it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "query/name_mode.h"
#include "query/search_cursor.h"
#include "sample_data.h"
#include "store/archive_writer.h"
#include "store/data_set.h"
#include "store/reference_table.h"

using namespace vendarion;

namespace {

constexpr std::array<const char*, 4> kArchives = {DataSet::kIndexFile, DataSet::kCodeFile,
                                                  DataSet::kListFile, DataSet::kDataFile};

struct Member {
    std::size_t archive;
    std::string name;
    std::string bytes;
};

struct Sample {
    std::vector<Member> members;
    std::array<std::string, 4> paths;
    std::string scratch;
};

const Sample& TheSample() {
    static const Sample sample = [] {
        Sample made;
        DataSet original;
        const std::string& folder = fuzz::SampleDataFolder();
        if (original.Open(folder) != DataSetStep::kComplete) std::abort();
        const std::array<const ArchiveFile*, 4> archives = {
            &original.IndexArchive(), &original.CodeArchive(), &original.ListArchive(),
            &original.DataArchive()};
        for (std::size_t a = 0; a < archives.size(); ++a) {
            made.paths[a] = folder + "/" + kArchives[a];
            for (int i = 0; i < archives[a]->EntryCount(); ++i) {
                const ByteView member = archives[a]->EntryMember(i);
                made.members.push_back(
                    {a, std::string(archives[a]->EntryName(i)),
                     std::string(reinterpret_cast<const char*>(member.data()), member.size())});
            }
        }
        made.scratch = fuzz::ScratchFolder("damaged");
        return made;
    }();
    return sample;
}

// Larger members (the fixed-size book area) stay out of the corpus in git; inputs
// reach them through the member choice of every other seed.
constexpr std::size_t kMaxSeedSize = 128 * 1024;

void WriteSeeds(const char* folder) {
    const Sample& sample = TheSample();
    for (std::size_t m = 0; m < sample.members.size(); ++m) {
        if (sample.members[m].bytes.size() > kMaxSeedSize) continue;
        std::ofstream out(std::string(folder) + "/member-" + sample.members[m].name,
                          std::ios::binary);
        out.put(static_cast<char>(m & 0xFF)).put(static_cast<char>(m >> 8));
        out << sample.members[m].bytes;
    }
}

void UseReaders(DataSet& data) {
    for (SortedList* list : {&data.Towns(), &data.PostalCodes(), &data.AreaCodes()}) {
        for (const char* text : {"", "1", "5", "b", "k\xF6", "z"}) {
            const int r = list->FindPrefix(text);
            if (r >= 0) (void)list->Parse(list->Record(r));
        }
    }
    int lo = 0;
    int hi = 0;
    for (const char* text : {"a", "Meier", "m\xFC", "z"}) {
        (void)data.Names().PrefixRange(text, &lo, &hi);
        (void)data.NameIndex().Find(data.Books(), text);
    }
    ReferenceTable table;
    for (const ReferenceKind kind : {ReferenceKind::kCountries, ReferenceKind::kBanks}) {
        if (!table.Open(kind, data.IndexArchive())) continue;
        int position = 0;
        for (int n = 0; n < 8 && table.NextMatch(&position, "a") >= 0; ++n) {
        }
    }
}

void SearchEveryMode(DataSet& data) {
    BookList& books = data.Books();
    // The sample's three books and one without entries.
    constexpr int kBooks = 4;
    const SearchRequest request{"Mei", "", "", ""};
    for (int book = 0; book < kBooks; ++book) {
        (void)data.StreetIndex().Find(books, book, "Haupt");
        (void)data.HeadingIndex().Find(books, book, "A");
        for (int mode = 1; mode <= 6; ++mode) {
            SearchCursor cursor = CreateCursor(books, request, book, static_cast<NameMode>(mode));
            if (cursor.MatchesNothing()) continue;
            RawRecord hit{};
            SubscriberEntry entry;
            for (int step = 0; step < 300; ++step) {
                const StepResult result = StepCursor(books, &cursor, 10, &hit);
                if (result == StepResult::kFinished) break;
                if (result == StepResult::kHit) books.Decoder().Decode(hit.data(), &entry);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* seeds = std::getenv("VENDARION_FUZZ_SEEDS")) {
        WriteSeeds(seeds);
        std::exit(0);
    }
    (void)TheSample();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const Sample& sample = TheSample();
    const std::size_t chosen = (data[0] | (std::size_t{data[1]} << 8)) % sample.members.size();
    const Member& damaged = sample.members[chosen];
    const std::string path = sample.scratch + "/" + kArchives[damaged.archive];
    ArchiveWriter writer;
    if (!writer.Create(path)) std::abort();
    for (const Member& member : sample.members) {
        if (member.archive != damaged.archive) continue;
        const std::string_view bytes =
            &member == &damaged
                ? std::string_view(reinterpret_cast<const char*>(data + 2), size - 2)
                : std::string_view(member.bytes);
        if (!writer.AddMember(member.name, bytes)) std::abort();
    }
    if (!writer.Finish()) std::abort();

    std::array<std::string, 4> paths = sample.paths;
    paths[damaged.archive] = path;
    DataSet data_set;
    if (data_set.Open(paths) != DataSetStep::kComplete) return 0;
    UseReaders(data_set);
    SearchEveryMode(data_set);
    return 0;
}
