// A compressed alphabetical list of the list archive (towns, postal codes or area
// codes), read by record number and searched by prefix. Holds one inflated block;
// records and views it returns point into that block and stay valid until the next
// call on this object (and the archive stays open). One thread per object: a
// thread that needs a list opens its own over the same archive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_view.h"
#include "store/archive_file.h"
#include "store/sorted_list_format.h"

namespace vendarion {

enum class ListKind { kTowns, kPostalCodes, kAreaCodes };

// One record split into its fields; views into the record's bytes.
struct ListRecord {
    std::string_view first;   // town name, postal code or area code (the sort key)
    std::string_view second;  // postal code of a town, town name of a code
    std::int32_t book = -1;
};

class SortedList {
public:
    explicit SortedList(ListKind kind);
    SortedList(const SortedList&) = delete;
    SortedList& operator=(const SortedList&) = delete;

    // Finds the two members and checks the header, every block descriptor against
    // the data member and the block size; false (and closed) on any mismatch.
    [[nodiscard]] bool Open(const ArchiveFile& list_archive);
    // The same over the two members themselves.
    [[nodiscard]] bool Open(ByteView index, ByteView data);
    void Close();
    bool IsOpen() const { return open_; }
    ListKind Kind() const { return kind_; }

    int Count() const { return count_; }
    // The bytes of record r (0 <= r < Count()); empty when r is outside or its block
    // does not inflate.
    ByteView Record(int r);
    // Appends records first ... last (inclusive) to out, back to back; returns how
    // many, 0 when last < first, a number is outside or a block does not inflate.
    int GetRange(int first, int last, std::string* out);
    // The lower bound of text (Windows-1252): number of the first record at or after
    // it, checked block first; -1 when the scan reaches the end inside the last block
    // or a block does not inflate. Callers check whether the record really matches.
    int FindPrefix(std::string_view text);
    // Splits a record of this list into its fields.
    ListRecord Parse(ByteView record) const;

private:
    [[nodiscard]] bool CheckDescriptors() const;
    [[nodiscard]] bool LoadBlock(int block);
    int RecordsInBlock(int block) const;
    int ChooseTownBlock(std::string_view folded) const;
    int ChooseCodeBlock(std::string_view text) const;
    int ScanBlock(int block, std::string_view text);

    ListKind kind_;
    const sorted_list_format::ListLayout& layout_;
    bool open_ = false;
    ByteView data_;
    ByteView descriptors_;
    int count_ = 0;
    int per_block_ = 1;
    int blocks_ = 0;
    std::vector<std::uint8_t> buffer_;
    int cached_block_ = -1;
};

}  // namespace vendarion
