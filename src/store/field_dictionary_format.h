// Byte layout of a field dictionary called X: members "X.dz" (code archive),
// "X.idx" and the optional "X.tri" (index archive). Integers little-endian.
//
// X.idx:
//   0   4                  uint32 word count W
//   4   4 * ceil(W / 64)   uint32 offset of each 64-word block inside X.dz
//
// X.dz: blocks of 64 words (the last holds W - 64 * (blocks - 1)). Each word:
//   0   1   unsigned prefix length P: leading bytes shared with the previous word of
//           the same block (0 for a block's first word)
//   1   1   unsigned suffix length S
//   2   S   the bytes after the shared prefix
// Word text = the previous word's first P bytes + the S bytes; at most 254 bytes,
// Windows-1252, no terminator. Words are sorted by their folded forms and numbered
// in that order from 0.
//
// X.tri: a lookup trie (trie_format.h) whose values are word numbers.
#pragma once

#include <cstddef>

namespace vendarion::field_dictionary_format {

inline constexpr char kWordsPattern[] = "%s.dz";
inline constexpr char kIndexPattern[] = "%s.idx";
inline constexpr char kTriePattern[] = "%s.tri";

inline constexpr int kWordsPerBlock = 64;
inline constexpr std::size_t kMaxWordLength = 254;
inline constexpr std::size_t kCountSize = 4;
inline constexpr std::size_t kOffsetSize = 4;

}  // namespace vendarion::field_dictionary_format
