#include "bench_context.h"

#include <cstdio>
#include <cstdlib>

#include "base/cp1252.h"
#include "machine.h"

namespace vendarion::bench {

std::string DataFolder() {
    const char* folder = std::getenv("VENDARION_BENCH_DATA");
    return folder != nullptr && *folder != '\0' ? folder : "build/national";
}

bool ArchivesPresent(const std::string& folder) {
    for (const char* name : kArchiveNames) {
        if (FileSize(folder + "/" + name) <= 0) return false;
    }
    return true;
}

std::vector<TestSurname> TestSurnames() {
    return {{"common", Utf8ToCp1252("Müller")},
            {"rare", Utf8ToCp1252("Schönberger-Seeger")},
            {"none", Utf8ToCp1252("Quastenflosser")}};
}

DataSet* BenchContext::Data() {
    if (data_ != nullptr) return data_.get();
    auto data = std::make_unique<DataSet>();
    const DataSetStep step = data->Open(folder_);
    if (step != DataSetStep::kComplete) {
        std::fprintf(stderr, "data set %s does not open: %s\n", folder_.c_str(),
                     std::string(DataSetStepName(step)).c_str());
        return nullptr;
    }
    BookList& books = data->Books();
    book_ = 0;
    for (int book = 1; book < BookData::BookCount(); ++book) {
        if (books.Books().EntryCount(book) > books.Books().EntryCount(book_)) book_ = book;
    }
    // The book's entries are contiguous and start with a main entry.
    first_record_ = books.Table().Find(book_, -2, -2);
    end_record_ = first_record_ + books.Books().EntryCount(book_);
    data_ = std::move(data);
    return data_.get();
}

std::int64_t BenchContext::ArchiveBytes() const {
    std::int64_t total = 0;
    for (const char* name : kArchiveNames) total += FileSize(folder_ + "/" + name);
    return total;
}

}  // namespace vendarion::bench
