#include "store/trie.h"

#include <limits>

#include "base/fold_text.h"
#include "store/trie_format.h"

namespace vendarion {
namespace {

using namespace trie_format;

// The walk keeps at most 254 folded characters.
constexpr std::size_t kFoldCapacity = 255;

}  // namespace

Trie::Trie(ByteView member) : nodes_(member.data()) {
    const std::size_t count = member.size() / kNodeSize;
    node_count_ = count > static_cast<std::size_t>(std::numeric_limits<int>::max())
                      ? std::numeric_limits<int>::max()
                      : static_cast<int>(count);
}

std::int32_t Trie::Value(std::int64_t node) const {
    return LoadI32(nodes_ + node * kNodeSize + kValue);
}
std::int32_t Trie::FirstChild(std::int64_t node) const {
    return LoadI32(nodes_ + node * kNodeSize + kFirstChild);
}
int Trie::Character(std::int64_t node) const {
    return static_cast<std::int8_t>(nodes_[node * kNodeSize + kCharacter]);
}

int Trie::Finish(std::int64_t result) const {
    if (result <= 0) return -1;
    // A damaged trie could make the descent cycle; no honest one is deeper than
    // its node count.
    for (int steps = 0; steps < node_count_; ++steps) {
        if (!Valid(result)) return -1;
        const std::int32_t value = Value(result);
        if (value >= 0) return value;
        result = FirstChild(result);
        if (result <= 0) return -1;
    }
    return -1;
}

// Walks the folded text down the trie. Node characters are read as signed, text
// characters as unsigned; `saved` remembers the sibling after the last matched
// character, the answer when every child at a deeper level is smaller.
int Trie::Lookup(std::string_view text) const {
    char buffer[kFoldCapacity];
    const std::size_t length = FoldText(text, buffer, sizeof buffer);
    if (length == 0 || node_count_ == 0) return -1;
    const auto at = [&](std::size_t p) -> int {
        return p < length ? static_cast<unsigned char>(buffer[p]) : 0;
    };
    std::int64_t saved = -1;
    std::int64_t n = 0;
    for (std::size_t p = 0;;) {
        if (!Valid(n)) return -1;
        std::int64_t c = FirstChild(n);
        if (c > 0) {
            if (!Valid(c)) return -1;
            while (Character(c) != 0 && Character(c) < at(p)) {
                if (!Valid(++c)) return -1;
            }
            if (Character(c) != 0) {
                if (Character(c) > at(p)) return Finish(c);
                if (!Valid(c + 1)) return -1;
                if (Character(c + 1) != 0) saved = c + 1;
            }
        } else if (Value(n) > 0) {
            return Finish(n);
        }
        if (at(p + 1) == 0 && Value(n) > 0) return Finish(c);
        if (c > 0 && Character(c) == 0) return Finish(saved);
        ++p;
        n = c > 0 ? c : 0;
        if (at(p) == 0) return Finish(c);
    }
}

}  // namespace vendarion
