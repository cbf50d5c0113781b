#include "trie_builder.h"

#include <algorithm>
#include <cstdint>

#include "byte_writer.h"

namespace vendarion::mkdata {
namespace {

// A node covering at most this many words stays a leaf; the lookup then scans from
// its value, well inside the 1024 words the dictionary lookup visits.
constexpr std::size_t kLeafWords = 128;
// Folded search texts are cut to this many characters.
constexpr std::size_t kMaxDepth = 254;
constexpr unsigned char kHighMark = 0x7F;

struct Node {
    std::int32_t words = 0;
    std::int32_t value = -1;
    std::int32_t first_child = 0;
    char character = 0;
};

struct Group {
    char character;
    std::size_t lo;
    std::size_t hi;
};

class TrieBuilder {
public:
    explicit TrieBuilder(const std::vector<std::string>& words) : words_(words) {}

    std::string Build() {
        nodes_.push_back({});
        if (!words_.empty()) {
            nodes_[0].words = static_cast<std::int32_t>(words_.size());
            nodes_[0].value = 0;
            Expand(0, 0, words_.size(), 0);
        }
        std::string bytes;
        bytes.reserve(nodes_.size() * kTrieNodeSize);
        for (const Node& node : nodes_) {
            PutI32(&bytes, node.words);
            PutI32(&bytes, node.value);
            PutI32(&bytes, node.first_child);
            bytes.push_back(node.character);
        }
        return bytes;
    }

private:
    std::int32_t Value(std::size_t word) const {
        return static_cast<std::int32_t>(std::min(word, words_.size() - 1));
    }

    // The runs of words [lo, hi) by their character at depth, for characters below
    // 0x7F; *high receives the start of the rest (words continuing with a high byte).
    std::vector<Group> Groups(std::size_t lo, std::size_t hi, std::size_t depth,
                              std::size_t* high) const {
        std::size_t i = lo;
        while (i < hi && words_[i].size() == depth) ++i;
        std::vector<Group> groups;
        while (i < hi && static_cast<unsigned char>(words_[i][depth]) < kHighMark) {
            const char c = words_[i][depth];
            std::size_t j = i;
            while (j < hi && words_[j][depth] == c) ++j;
            groups.push_back({c, i, j});
            i = j;
        }
        *high = i;
        return groups;
    }

    // Gives node the children for words [lo, hi), which share their first depth
    // characters; returns the start of the node's high tail.
    std::size_t Expand(std::size_t node, std::size_t lo, std::size_t hi, std::size_t depth) {
        std::size_t high = hi;
        const std::vector<Group> groups = Groups(lo, hi, depth, &high);
        const std::size_t first = nodes_.size();
        nodes_.resize(first + groups.size() + 2);
        nodes_[node].first_child = static_cast<std::int32_t>(first);
        bool previous_expanded = false;
        std::size_t previous_high = 0;
        for (std::size_t k = 0; k < groups.size(); ++k) {
            const Group& group = groups[k];
            const std::size_t child = first + k;
            nodes_[child].words = static_cast<std::int32_t>(group.hi - group.lo);
            nodes_[child].value = Value(previous_expanded ? previous_high : group.lo);
            nodes_[child].character = group.character;
            const bool expand = (group.hi - group.lo > kLeafWords || nodes_[child].value == 0) &&
                                depth + 1 < kMaxDepth;
            previous_expanded = expand;
            if (expand) previous_high = Expand(child, group.lo, group.hi, depth + 1);
        }
        Node& mark = nodes_[first + groups.size()];
        mark.value = Value(previous_expanded ? previous_high : high);
        mark.character = static_cast<char>(kHighMark);
        nodes_[first + groups.size() + 1].value = Value(high);
        return high;
    }

    const std::vector<std::string>& words_;
    std::vector<Node> nodes_;
};

}  // namespace

std::string BuildTrie(const std::vector<std::string>& folded_words) {
    return TrieBuilder(folded_words).Build();
}

}  // namespace vendarion::mkdata
