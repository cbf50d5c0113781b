// The whole read-only directory data: the four archives and every reader built on
// their members, opened in a fixed order at start-up and released in a fixed order.
//
// Threads: the mappings and the immutable readers (book data, reference tables,
// relation indexes, name-to-books index) are shared by every thread. Readers with
// decode caches (sorted lists, dictionaries, subscriber table) belong to the thread
// that uses them: the data set's own lists, names dictionary and book list belong to
// the user-interface thread, and another thread (the search worker) opens its own
// book list with OpenBookList and passes it to the relation index lookups. No locks.
// Open and Close run on one thread while no other thread reads.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/archive_file.h"
#include "store/book_list.h"
#include "store/field_dictionary.h"
#include "store/name_to_books.h"
#include "store/relation_index.h"
#include "store/sorted_list.h"

namespace vendarion {

// The open steps in their order; start-up shows the message of the failed one.
enum class DataSetStep {
    kIndexArchive,
    kCodeArchive,
    kListArchive,
    kDataArchive,
    kTownList,
    kPostalCodeList,
    kAreaCodeList,
    kNamesDictionary,
    kBookList,
    kStreetIndex,
    kHeadingIndex,
    kNameToBooks,
    kComplete,  // every step succeeded
};

class DataSet {
public:
    static constexpr char kIndexFile[] = "Index.mf";
    static constexpr char kCodeFile[] = "Code.mf";
    static constexpr char kListFile[] = "List.mf";
    static constexpr char kDataFile[] = "Data.mf";

    DataSet();
    ~DataSet();
    DataSet(const DataSet&) = delete;
    DataSet& operator=(const DataSet&) = delete;

    // Opens the four archives in folder and every reader, step by step; returns
    // kComplete, or the first step that failed after releasing what was opened.
    [[nodiscard]] DataSetStep Open(const std::string& folder);
    // The same with each archive at its own path, in the order index, code, list,
    // data (the order of the first four steps).
    [[nodiscard]] DataSetStep Open(const std::array<std::string, 4>& archive_paths);
    // Releases the readers and then unmaps the archives; harmless when closed.
    void Close();
    bool IsOpen() const { return open_; }

    // Opens another book list over the same archives, for a second thread.
    [[nodiscard]] bool OpenBookList(BookList* books) const;

    const ArchiveFile& IndexArchive() const { return index_archive_; }
    const ArchiveFile& CodeArchive() const { return code_archive_; }
    const ArchiveFile& ListArchive() const { return list_archive_; }
    const ArchiveFile& DataArchive() const { return data_archive_; }
    SortedList& Towns() { return towns_; }
    SortedList& PostalCodes() { return postal_codes_; }
    SortedList& AreaCodes() { return area_codes_; }
    FieldDictionary& Names() { return names_; }
    BookList& Books() { return books_; }
    const RelationIndex& StreetIndex() const { return street_index_; }
    const RelationIndex& HeadingIndex() const { return heading_index_; }
    const NameToBooks& NameIndex() const { return name_to_books_; }

private:
    DataSetStep OpenSteps(const std::array<std::string, 4>& archive_paths);

    bool open_ = false;
    ArchiveFile index_archive_;
    ArchiveFile code_archive_;
    ArchiveFile list_archive_;
    ArchiveFile data_archive_;
    SortedList towns_;
    SortedList postal_codes_;
    SortedList area_codes_;
    FieldDictionary names_;
    BookList books_;
    RelationIndex street_index_;
    RelationIndex heading_index_;
    NameToBooks name_to_books_;
};

// A short English description of a step, for tools and logs.
std::string_view DataSetStepName(DataSetStep step);

}  // namespace vendarion
