// The folding rule under which every typed text is compared with stored directory
// text, and the prefix routines built on it. All texts are Windows-1252 bytes; a
// zero byte ends a text as the end of the view does. Pure functions, any thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vendarion {

// Writes the folded form of source into destination (capacity bytes including the
// terminating zero; at most capacity - 1 characters, a two-letter replacement that
// does not fit whole ends the output) and returns its length. Lower case, accents
// dropped, umlauts and sharp s spelled out, some punctuation to blanks, quotes
// dropped, outer blanks removed. Allocates nothing.
std::size_t FoldText(std::string_view source, char* destination, std::size_t capacity);
// The whole folded form, without a length limit.
std::string FoldText(std::string_view source);

// Byte-wise unsigned comparison of two folded texts over at most n bytes (n < 0: no
// limit): -1, 0 or 1. A text that ends first sorts first; reaching n compares equal.
int CompareFolded(std::string_view a, std::string_view b, int n);

// How many characters of the typed text the stored text covers under folding; equal
// to the typed length when the typed text is a folded prefix of the stored one. A
// typed text with a trailing blank never reaches its length.
std::size_t FoldedPrefixLength(std::string_view typed, std::string_view stored);

// True when the folded typed text is a prefix of the folded stored text; out then
// holds the rest of the stored text in its stored spelling (typed "mu", stored
// "Müller" gives "eller"). False leaves out empty.
bool CompleteFromPrefix(std::string_view typed, std::string_view stored, std::string* out);

}  // namespace vendarion
