// Builds the lookup trie of a sorted word list: an array of 13-byte nodes
//
//   offset width field
//   0      4     int32 number of words below the node (not read by the lookup)
//   4      4     int32 value: a word number at or before the first word that begins
//                with the node's path
//   8      4     int32 index of the first child node (0: none)
//   12     1     character of the node; 0 ends a run of siblings
//
// Node 0 is the root. The children of a node are consecutive, in ascending character
// order; every run of children ends with a node of character 0x7F followed by the
// node of character 0.
//
// The lookup that reads the trie compares node characters as signed bytes, so only
// characters below 0x7F get nodes; words continuing with a byte of 0x80 or above sit
// at the end of their parent's range (the parent's "high tail"). The values are
// chosen so that every way the lookup can end yields a word at or before the lower
// bound of the looked-up text, and close to it:
//   - a child's value is the first word of its range, except that a child following
//     an expanded sibling gets the start of that sibling's high tail (the lookup
//     falls back to the next sibling when a text continues with a high byte);
//   - the 0x7F node and the 0 node carry the start of the parent's high tail
//     (or, for the 0x7F node, of the last expanded sibling's high tail);
//   - every node on the path of word 0 is expanded, because the lookup treats a
//     value of 0 as missing; other nodes are expanded when they cover more than a
//     few dozen words.
// Values never exceed the last word number. Texts whose folded form begins with a
// byte of 0x80 or above cannot be found by the lookup at all.
#pragma once

#include <string>
#include <vector>

namespace vendarion::mkdata {

inline constexpr std::size_t kTrieNodeSize = 13;

// The trie member for words given by their folded forms in word-number order
// (non-decreasing byte order). No words give a lone root with value -1.
std::string BuildTrie(const std::vector<std::string>& folded_words);

}  // namespace vendarion::mkdata
