// Interns the distinct texts of one subscriber field while the source is parsed:
// each text is stored once and gets a provisional number in order of first
// appearance. Texts are Windows-1252. Views returned stay valid for the table's life.
// The numbers are found through an open-addressing table whose slots point at the
// stored texts: each of the hundreds of millions of lookups, most of them hits, costs
// about two cache misses instead of the walk along a node chain of a node-based map.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion::mkdata {

class WordTable {
public:
    WordTable() = default;
    WordTable(const WordTable&) = delete;
    WordTable& operator=(const WordTable&) = delete;
    WordTable(WordTable&&) = default;
    WordTable& operator=(WordTable&&) = default;

    // The provisional number of text (0, 1, ...), adding it when new.
    std::uint32_t Intern(std::string_view text);
    std::size_t Size() const { return words_.size(); }
    std::string_view Word(std::uint32_t number) const { return words_[number]; }
    const std::vector<std::string_view>& Words() const { return words_; }

private:
    // A slot: a stored text and its number + 1; number_plus_one is 0 when free.
    struct Slot {
        const char* text = nullptr;
        std::uint32_t length = 0;
        std::uint32_t number_plus_one = 0;
    };

    std::string_view Store(std::string_view text);
    // Doubles the slots and places every word again.
    void Grow();
    // The slot of a text of this hash: the one holding it, else the free one where it
    // goes.
    Slot& Find(std::uint64_t hash, std::string_view text);

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t chunk_used_ = 0;
    std::size_t chunk_size_ = 0;
    std::vector<Slot> slots_;  // a power of two, at most half used
    std::vector<std::string_view> words_;
};

}  // namespace vendarion::mkdata
