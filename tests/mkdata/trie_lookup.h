// The dictionary lookup as the readers perform it, written here from the description
// of the trie and of the lower bound, to check the compiler's tries against it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vendarion::test {

// The starting word number the trie gives for text, or -1. Sets *out_of_range when a
// node index leaves the node array.
int TrieLookup(std::string_view tri, std::string_view text, bool* out_of_range);

// The dictionary's lower bound: the trie's starting point, then at most 16 blocks of
// 64 words scanned for the first word whose folded form is at or after the folded
// text (compared over the text's length). folded_words are the folded words in
// number order.
int LookupLowerBound(const std::vector<std::string>& folded_words, std::string_view tri,
                     std::string_view text, bool* out_of_range);

// The same by walking every word.
int BruteLowerBound(const std::vector<std::string>& folded_words, std::string_view text);

}  // namespace vendarion::test
