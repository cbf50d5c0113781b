#include "data_compiler.h"

#include <array>
#include <memory>

#include "archive_set.h"
#include "book_data_writer.h"
#include "dictionary_writer.h"
#include "reference_writer.h"
#include "relation_writer.h"
#include "sorted_list_writer.h"
#include "source_reader.h"
#include "store/sub_name_index_format.h"
#include "sub_name_writer.h"
#include "table_compiler.h"

namespace vendarion::mkdata {
namespace {

constexpr std::int16_t kVersionMajor = 1;
constexpr std::int16_t kVersionMinor = 3;

bool CheckOptions(const CompileOptions& options, std::string* error) {
    if (options.list_block < 1) *error = "list block size must be at least 1";
    if (options.fan_out < 2 || options.fan_out > 32767) *error = "fan-out must be 2 to 32767";
    if (options.zlib_level < 0 || options.zlib_level > 9) *error = "zlib level must be 0 to 9";
    return error->empty();
}

class Compiler {
public:
    Compiler(SourceData* source, const CompileOptions& options, CompileLog* log)
        : source_(*source), options_(options), log_(*log) {}

    bool Run(const std::string& output_dir) {
        if (!archives_.Create(output_dir)) return Fail(archives_.Error());
        for (const ArchiveIndex which : {kIndexArchive, kCodeArchive, kListArchive, kDataArchive}) {
            if (!Add(which, "VERSION", VersionMember(kVersionMajor, kVersionMinor))) return false;
        }
        if (!WriteDictionaries() || !WriteTable() || !WriteLists() || !WriteReferences()) {
            return false;
        }
        return archives_.Commit() || Fail(archives_.Error());
    }

private:
    bool Fail(const std::string& message) {
        if (log_.error.empty()) log_.error = message;
        return false;
    }

    bool Add(ArchiveIndex which, const std::string& name, const std::string& bytes) {
        return archives_[which].AddMember(name, bytes) || Fail(archives_[which].Error());
    }

    bool WriteDictionaries() {
        for (int d = 0; d < kDictionaryCount; ++d) {
            sorted_[d] = SortWords(source_.subscribers.words[d].Words());
            const DictionaryMembers members = BuildDictionaryMembers(sorted_[d]);
            const std::string stem = kDictionaryFields[d].name;
            if (!Add(kCodeArchive, stem + ".dz", members.dz) ||
                !Add(kIndexArchive, stem + ".idx", members.idx) ||
                !Add(kIndexArchive, stem + ".tri", members.tri)) {
                return false;
            }
            if (d != kSurnames) sorted_[d].folded = {};
        }
        RenumberRecords(sorted_, &source_.subscribers);
        return true;
    }

    bool WriteTable() {
        TableProducts products;
        std::string error;
        if (!WriteSubscriberTable(source_.subscribers, source_.books.size(), options_.fan_out,
                                  options_.zlib_level, &archives_[kDataArchive], &products,
                                  &error)) {
            return Fail(error);
        }
        const NameToBooksMembers names = BuildNameToBooks(products.name_pairs, sorted_[kSurnames]);
        std::string sub_names;
        if (!BuildSubNameIndex(products.sub_names, sub_name_index_format::kDefaultPairsPerBlock,
                               options_.zlib_level, &sub_names)) {
            return Fail("cannot build SubEntryNames.z");
        }
        return Add(kDataArchive, "SubEntryNames.z", sub_names) &&
               Add(kIndexArchive, "MainTable.idx", products.index_member) &&
               Add(kIndexArchive, "BookData.dat",
                   BuildBookData(source_.books, products.entry_counts)) &&
               Add(kDataArchive, "BookToStrassen.bhi", BuildBookRelation(products.streets)) &&
               Add(kDataArchive, "BookToBezeichnungen.bhi", BuildBookRelation(products.headings)) &&
               Add(kDataArchive, "NameToBooks.bhi", names.bhi) &&
               Add(kIndexArchive, "NameToBooks.tri2", names.tri2);
    }

    bool WriteLists() {
        const std::array<std::pair<ListKind, std::vector<ListRecord>*>, 3> lists = {{
            {ListKind::kTowns, &source_.towns},
            {ListKind::kPostalCodes, &source_.postal_codes},
            {ListKind::kAreaCodes, &source_.area_codes},
        }};
        for (const auto& [kind, records] : lists) {
            SortedListMembers members;
            if (!BuildSortedList(kind, std::move(*records), options_.list_block,
                                 options_.zlib_level, &members)) {
                return Fail("zlib failed to compress a list block");
            }
            const std::string stem = SortedListName(kind);
            if (!Add(kListArchive, stem + ".i2", members.i2) ||
                !Add(kListArchive, stem + ".z2", members.z2)) {
                return false;
            }
        }
        return Add(kListArchive, "TipsAndTricks.txt", BuildTips(source_.tips));
    }

    bool WriteReferences() {
        return Add(kIndexArchive, "ausland.dat", BuildCountries(source_.countries)) &&
               Add(kIndexArchive, "blz.dat", BuildBanks(source_.banks)) &&
               Add(kCodeArchive, "phonetic.dat", BuildPhonetic(sorted_[kSurnames], &log_.warnings));
    }

    SourceData& source_;
    const CompileOptions& options_;
    CompileLog& log_;
    ArchiveSet archives_;
    std::array<SortedWords, kDictionaryCount> sorted_;
};

}  // namespace

bool CompileDataSet(const std::string& source_dir, const std::string& output_dir,
                    const CompileOptions& options, CompileLog* log) {
    if (!CheckOptions(options, &log->error)) return false;
    auto source = std::make_unique<SourceData>();
    if (!ReadSources(source_dir, source.get(), &log->error)) return false;
    return Compiler(source.get(), options, log).Run(output_dir);
}

}  // namespace vendarion::mkdata
