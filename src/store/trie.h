// A lookup trie over folded words, giving a starting point for a lower-bound search.
// Immutable view of a member: any thread; valid while the archive stays open.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/byte_view.h"

namespace vendarion {

class Trie {
public:
    Trie() = default;
    explicit Trie(ByteView member);

    bool empty() const { return node_count_ == 0; }
    int NodeCount() const { return node_count_; }
    // The starting number for text (Windows-1252, folded here, at most 254
    // characters kept): a value at or before the first word at or after the text,
    // as the node values of the trie promise; -1 when the text folds to nothing, the
    // walk ends without a value, or a child index points outside the trie.
    int Lookup(std::string_view text) const;

private:
    bool Valid(std::int64_t node) const { return node >= 0 && node < node_count_; }
    std::int32_t Value(std::int64_t node) const;
    std::int32_t FirstChild(std::int64_t node) const;
    int Character(std::int64_t node) const;
    // Step 7 of the walk: descends from result through first children until a
    // non-negative value.
    int Finish(std::int64_t result) const;

    const std::uint8_t* nodes_ = nullptr;
    int node_count_ = 0;
};

}  // namespace vendarion
