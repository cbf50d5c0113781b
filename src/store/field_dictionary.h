// A sorted, front-coded word list with a lookup trie: word numbers to texts, typed
// texts to word numbers and ranges. Texts are Windows-1252 and compared under
// FoldText. Holds a decode cursor inside one block of 64 words: a returned word view
// stays valid until the next call on this object (and while the archives stay open). One thread
// per object; each thread opens its own dictionary over the same archives.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_view.h"
#include "store/archive_file.h"
#include "store/trie.h"

namespace vendarion {

class FieldDictionary {
public:
    FieldDictionary() = default;
    FieldDictionary(const FieldDictionary&) = delete;
    FieldDictionary& operator=(const FieldDictionary&) = delete;

    // Opens "<name>.dz" from the code archive and "<name>.idx" from the index archive
    // (member names ignore letter case), and "<name>.tri" when present. Checks the
    // word count against the offset table; false (and closed) when a required member
    // is missing or too short for it. A block whose offset lies beyond the word
    // member is damaged: its words read as empty.
    [[nodiscard]] bool Open(std::string_view name, const ArchiveFile& index_archive,
                            const ArchiveFile& code_archive);
    // The same over the members themselves; trie may be empty.
    [[nodiscard]] bool Open(ByteView words, ByteView index, ByteView trie);
    void Close();
    bool IsOpen() const { return open_; }

    int Count() const { return count_; }
    bool HasTrie() const { return !trie_.empty(); }
    // Word n; empty when n is outside 0 ... Count() - 1 or its block is damaged.
    std::string_view Word(int n);
    // Word n as above, and in *shared how many of its first bytes are those of word
    // n - 1 (0 where the data does not say), so that a pass over consecutive words can
    // look at what is new in each.
    std::string_view Word(int n, std::size_t* shared);
    // Appends words first ... last to out; the number appended, 0 when a number is
    // outside or a block is damaged.
    int Words(int first, int last, std::vector<std::string>* out);
    // The first word at or after text (a word that begins with the folded text
    // counts as equal), searched in the 16 blocks from the trie's starting point; -1
    // when there is no trie, the trie gives no start, the search reaches the end or
    // 16 blocks pass without a hit.
    int LowerBound(std::string_view text);
    // The words whose folded form equals the folded text; false and -1, -1 when none.
    [[nodiscard]] bool EqualRange(std::string_view text, int* lo, int* hi);
    // The words whose folded form begins with the folded text.
    [[nodiscard]] bool PrefixRange(std::string_view text, int* lo, int* hi);

private:
    // Moves the decode cursor to word n (restarting at its block's first word when
    // n lies before the cursor or in another block); false when the block is damaged.
    [[nodiscard]] bool Seek(int n);
    std::string_view Current() const { return {word_.data(), length_}; }
    // The folded form of word n in buffer; false when the word cannot be read.
    [[nodiscard]] bool FoldedWord(int n, std::string_view* folded, char* buffer);
    [[nodiscard]] bool Range(std::string_view text, bool prefix, int* lo, int* hi);
    // Decodes every word of a small dictionary into small_words_.
    void DecodeSmall();

    bool open_ = false;
    ByteView words_;
    ByteView offsets_;
    Trie trie_;
    int count_ = 0;
    // Decode cursor: word_ holds word `index_ - 1` of block_ (length_ bytes), and
    // next_byte_ is where the block's next word starts in words_. Front coding lets
    // each word overwrite only its suffix, after the prefix it shares.
    int block_ = -1;
    int index_ = 0;
    std::size_t next_byte_ = 0;
    std::size_t length_ = 0;
    std::size_t shared_ = 0;  // the bytes word_ has in common with the word before
    // Room for the longest word and a whole short-suffix copy beyond it.
    std::array<char, 256 + 16> word_{};
    // A dictionary of at most kSmallWords words is decoded whole at open, so that
    // Word is a lookup: the small dictionaries (house numbers, headings, call and
    // name additions) are read at random for every decoded entry. Word n is
    // small_words_[small_ends_[n] ... small_ends_[n + 1]); an unreadable word is empty.
    static constexpr int kSmallWords = 4096;
    std::string small_words_;
    std::vector<std::uint32_t> small_ends_;
};

}  // namespace vendarion
