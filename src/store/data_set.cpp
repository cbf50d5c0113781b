#include "store/data_set.h"

namespace vendarion {
namespace {

// The names dictionary that serves input suggestions; it shares its members with
// the book list's surnames dictionary, since member names ignore letter case.
constexpr std::string_view kSuggestionNames = "namen";

std::string PathIn(const std::string& folder, const char* file) {
    if (folder.empty()) return file;
    return folder.back() == '/' ? folder + file : folder + "/" + file;
}

}  // namespace

DataSet::DataSet()
    : towns_(ListKind::kTowns),
      postal_codes_(ListKind::kPostalCodes),
      area_codes_(ListKind::kAreaCodes) {}

DataSet::~DataSet() { Close(); }

DataSetStep DataSet::Open(const std::string& folder) {
    return Open({PathIn(folder, kIndexFile), PathIn(folder, kCodeFile), PathIn(folder, kListFile),
                 PathIn(folder, kDataFile)});
}

DataSetStep DataSet::Open(const std::array<std::string, 4>& archive_paths) {
    Close();
    const DataSetStep step = OpenSteps(archive_paths);
    if (step != DataSetStep::kComplete) {
        Close();
        return step;
    }
    open_ = true;
    return step;
}

DataSetStep DataSet::OpenSteps(const std::array<std::string, 4>& archive_paths) {
    using enum DataSetStep;
    if (!index_archive_.Open(archive_paths[0])) return kIndexArchive;
    if (!code_archive_.Open(archive_paths[1])) return kCodeArchive;
    if (!list_archive_.Open(archive_paths[2])) return kListArchive;
    if (!data_archive_.Open(archive_paths[3])) return kDataArchive;
    if (!towns_.Open(list_archive_)) return kTownList;
    if (!postal_codes_.Open(list_archive_)) return kPostalCodeList;
    if (!area_codes_.Open(list_archive_)) return kAreaCodeList;
    if (!names_.Open(kSuggestionNames, index_archive_, code_archive_)) return kNamesDictionary;
    if (!books_.Open(index_archive_, code_archive_, data_archive_)) return kBookList;
    if (!street_index_.Open(RelationKind::kStreets, data_archive_)) return kStreetIndex;
    if (!heading_index_.Open(RelationKind::kHeadings, data_archive_)) return kHeadingIndex;
    if (!name_to_books_.Open(index_archive_, data_archive_)) return kNameToBooks;
    return kComplete;
}

// Readers first, in the order they are released at the end of a run; the archives
// last, after nothing points into their mappings any more.
void DataSet::Close() {
    open_ = false;
    towns_.Close();
    postal_codes_.Close();
    area_codes_.Close();
    names_.Close();
    books_.Close();
    street_index_.Close();
    heading_index_.Close();
    name_to_books_.Close();
    index_archive_.Close();
    code_archive_.Close();
    list_archive_.Close();
    data_archive_.Close();
}

bool DataSet::OpenBookList(BookList* books) const {
    return open_ && books->Open(index_archive_, code_archive_, data_archive_);
}

std::string_view DataSetStepName(DataSetStep step) {
    switch (step) {
        case DataSetStep::kIndexArchive:
            return "cannot open Index.mf";
        case DataSetStep::kCodeArchive:
            return "cannot open Code.mf";
        case DataSetStep::kListArchive:
            return "cannot open List.mf";
        case DataSetStep::kDataArchive:
            return "cannot open Data.mf";
        case DataSetStep::kTownList:
            return "town list (Orte.i2, Orte.z2) missing or damaged";
        case DataSetStep::kPostalCodeList:
            return "postal code list (PLZs.i2, PLZs.z2) missing or damaged";
        case DataSetStep::kAreaCodeList:
            return "area code list (Vorwahlen.i2, Vorwahlen.z2) missing or damaged";
        case DataSetStep::kNamesDictionary:
            return "names dictionary (namen.dz, namen.idx) missing or damaged";
        case DataSetStep::kBookList:
            return "book list (dictionaries, reference tables, BookData.dat, MainTable) missing "
                   "or damaged";
        case DataSetStep::kStreetIndex:
            return "street index (BookToStrassen.bhi) missing or damaged";
        case DataSetStep::kHeadingIndex:
            return "heading index (BookToBezeichnungen.bhi) missing or damaged";
        case DataSetStep::kNameToBooks:
            return "name-to-books index (NameToBooks.bhi, NameToBooks.tri2) missing or damaged";
        case DataSetStep::kComplete:
            break;
    }
    return "complete";
}

}  // namespace vendarion
