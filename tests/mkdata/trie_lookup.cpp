#include "trie_lookup.h"

#include <algorithm>

#include "base/byte_view.h"
#include "base/fold_text.h"

namespace vendarion::test {
namespace {

class Nodes {
public:
    Nodes(std::string_view tri, bool* out_of_range)
        : bytes_(tri), count_(static_cast<int>(tri.size() / 13)), out_of_range_(out_of_range) {}
    int Character(int i) const { return static_cast<signed char>(At(i)[12]); }
    int Value(int i) const { return LoadI32(At(i) + 4); }
    int Child(int i) const { return LoadI32(At(i) + 8); }

private:
    const std::uint8_t* At(int i) const {
        static const std::uint8_t kZero[13] = {};
        if (i < 0 || i >= count_) {
            *out_of_range_ = true;
            return kZero;
        }
        return reinterpret_cast<const std::uint8_t*>(bytes_.data()) + 13 * i;
    }
    std::string_view bytes_;
    int count_;
    bool* out_of_range_;
};

int Finish(const Nodes& nodes, int result) {
    if (result <= 0) return -1;
    while (nodes.Value(result) < 0) {
        result = nodes.Child(result);
        if (result <= 0) return -1;
    }
    return nodes.Value(result);
}

}  // namespace

int TrieLookup(std::string_view tri, std::string_view text, bool* out_of_range) {
    std::string folded = FoldText(text);
    if (folded.size() > 254) folded.resize(254);
    if (folded.empty()) return -1;
    const Nodes nodes(tri, out_of_range);
    const auto at = [&folded](std::size_t p) {
        return p < folded.size() ? static_cast<unsigned char>(folded[p]) : 0;
    };
    int saved = -1;
    int n = 0;
    std::size_t p = 0;
    for (int guard = 0; guard < 100000; ++guard) {
        int c = nodes.Child(n);
        if (c > 0) {
            while (nodes.Character(c) != 0 && nodes.Character(c) < at(p)) ++c;
            if (nodes.Character(c) != 0 && nodes.Character(c) > at(p)) return Finish(nodes, c);
            if (nodes.Character(c) != 0 && nodes.Character(c + 1) != 0) saved = c + 1;
        } else if (nodes.Value(n) > 0) {
            return Finish(nodes, n);
        }
        if (at(p + 1) == 0 && nodes.Value(n) > 0) return Finish(nodes, c);
        if (c > 0 && nodes.Character(c) == 0) return Finish(nodes, saved);
        ++p;
        n = c;
        if (at(p) == 0) return Finish(nodes, c);
        if (n <= 0) n = 0;
    }
    *out_of_range = true;
    return -1;
}

int LookupLowerBound(const std::vector<std::string>& folded_words, std::string_view tri,
                     std::string_view text, bool* out_of_range) {
    const int start = TrieLookup(tri, text, out_of_range);
    if (start < 0) return -1;
    const std::string folded = FoldText(text);
    const int first = start / 64 * 64;
    for (int n = first; n < first + 1024; ++n) {
        if (n >= static_cast<int>(folded_words.size())) return -1;
        const int length = static_cast<int>(folded.size());
        if (CompareFolded(folded_words[n], folded, length) >= 0) return n;
    }
    return -1;
}

int BruteLowerBound(const std::vector<std::string>& folded_words, std::string_view text) {
    const std::string folded = FoldText(text);
    const auto found = std::partition_point(
        folded_words.begin(), folded_words.end(), [&folded](const std::string& word) {
            return CompareFolded(word, folded, static_cast<int>(folded.size())) < 0;
        });
    return found == folded_words.end() ? -1 : static_cast<int>(found - folded_words.begin());
}

}  // namespace vendarion::test
