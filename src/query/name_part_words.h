// Namensteile: which surname words contain the typed text. A word's verdict depends
// only on the surname dictionary, so the verdicts are kept for the whole search and
// handed from book to book. The walk decides the words it meets; a sweep decides
// them all in order, a share of each step, and lists the ids that match, so that an
// indexed walk can visit just their groups.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vendarion {

class FieldDictionary;

class NamePartWords {
public:
    // Starts afresh for the lowered text and a dictionary of word_count words.
    void Reset(std::string lowered, int word_count);
    // Whether these verdicts were made for the text and the dictionary's size.
    bool Fits(const std::string& lowered, int word_count) const {
        return lowered == lowered_ && word_count == word_count_;
    }
    const std::string& Lowered() const { return lowered_; }

    // Whether the surname with this id (word number + 1) contains the text; each
    // word is fetched at most once. An id outside the dictionary contains nothing.
    bool Contains(FieldDictionary& surnames, std::uint32_t id);

    // Decides up to count further words of the sweep; true once every word is.
    bool Sweep(FieldDictionary& surnames, int count);
    bool Swept() const { return swept_ == word_count_; }
    int Unswept() const { return word_count_ - swept_; }
    // The ids that contain the text, ascending; all of them once Swept().
    const std::vector<std::uint32_t>& Ids() const { return ids_; }

    std::size_t Bytes() const {
        return lowered_.capacity() + verdicts_.capacity() + ids_.capacity() * sizeof(std::uint32_t);
    }

private:
    // The verdict of a word (0 unknown, 1 match, 2 no match), and its setting.
    int Known(int word) const;
    int Note(int word, bool match);
    int Decide(FieldDictionary& surnames, int word);

    std::string lowered_;
    int word_count_ = 0;
    // Two bits per word, four words to a byte (0 unknown, 1 match, 2 no match):
    // packed, so that they stay in the processor's cache.
    std::vector<std::uint8_t> verdicts_;
    int swept_ = 0;  // words 0 .. swept_ - 1 are decided, and their matches in ids_
    std::vector<std::uint32_t> ids_;
};

}  // namespace vendarion
