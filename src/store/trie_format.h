// Byte layout of a lookup trie (the ".tri" member of a field dictionary and
// "NameToBooks.tri2"). Integers little-endian.
//
// An array of 13-byte nodes; node count = member length / 13 (a remainder is
// ignored). Node 0 is the root.
//   0   4   int32, not read
//   4   4   int32 value: a word or entry number (>= 0), or -1 for none
//   8   4   int32 index of the node's first child (<= 0: no children)
//   12  1   signed character of this node (0 ends a run of siblings)
//
// The children of a node are consecutive nodes from its first-child index, in
// ascending order of their (folded) characters, ended by a node with character 0.
// A node's value is a number at or before the first word that begins with the path
// of characters leading to the node.
#pragma once

#include <cstddef>

namespace vendarion::trie_format {

inline constexpr std::size_t kNodeSize = 13;
inline constexpr std::size_t kValue = 4;
inline constexpr std::size_t kFirstChild = 8;
inline constexpr std::size_t kCharacter = 12;

}  // namespace vendarion::trie_format
