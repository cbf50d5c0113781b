// Sorting the words of one field dictionary and building its three members.
//
// X.idx (index archive):   uint32 word count W; uint32 offset in X.dz of each block
//                          of 64 words.
// X.dz (code archive):     the blocks; each word is a prefix length P (bytes shared
//                          with the previous word of the same block, 0 for the first),
//                          a suffix length S, and the S suffix bytes.
// X.tri (index archive):   the lookup trie (trie_builder.h), values are word numbers.
//
// Words are ordered by their folded form (FoldText), ties by their raw bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion::mkdata {

inline constexpr std::size_t kWordsPerBlock = 64;

struct SortedWords {
    std::vector<std::string_view> words;   // by word number
    std::vector<std::string> folded;       // folded form of each word, by word number
    std::vector<std::uint32_t> number_of;  // word number of each input position
};

// Sorts distinct words (each at most 254 bytes).
SortedWords SortWords(const std::vector<std::string_view>& words);

struct DictionaryMembers {
    std::string dz;
    std::string idx;
    std::string tri;
};

DictionaryMembers BuildDictionaryMembers(const SortedWords& sorted);

}  // namespace vendarion::mkdata
