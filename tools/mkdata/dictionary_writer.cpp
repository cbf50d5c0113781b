#include "dictionary_writer.h"

#include <algorithm>
#include <numeric>

#include "base/fold_text.h"
#include "byte_writer.h"
#include "trie_builder.h"

namespace vendarion::mkdata {

SortedWords SortWords(const std::vector<std::string_view>& words) {
    std::vector<std::string> folded(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) folded[i] = FoldText(words[i]);
    std::vector<std::uint32_t> order(words.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (folded[a] != folded[b]) return folded[a] < folded[b];
        return words[a] < words[b];
    });
    SortedWords sorted;
    sorted.words.reserve(words.size());
    sorted.folded.reserve(words.size());
    sorted.number_of.resize(words.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        sorted.words.push_back(words[order[n]]);
        sorted.folded.push_back(std::move(folded[order[n]]));
        sorted.number_of[order[n]] = static_cast<std::uint32_t>(n);
    }
    return sorted;
}

DictionaryMembers BuildDictionaryMembers(const SortedWords& sorted) {
    DictionaryMembers members;
    PutU32(&members.idx, static_cast<std::uint32_t>(sorted.words.size()));
    std::string_view previous;
    for (std::size_t n = 0; n < sorted.words.size(); ++n) {
        const std::string_view word = sorted.words[n];
        std::size_t shared = 0;
        if (n % kWordsPerBlock == 0) {
            PutU32(&members.idx, static_cast<std::uint32_t>(members.dz.size()));
        } else {
            const std::size_t limit = std::min(previous.size(), word.size());
            while (shared < limit && previous[shared] == word[shared]) ++shared;
        }
        PutU8(&members.dz, static_cast<std::uint32_t>(shared));
        PutU8(&members.dz, static_cast<std::uint32_t>(word.size() - shared));
        members.dz.append(word.substr(shared));
        previous = word;
    }
    members.tri = BuildTrie(sorted.folded);
    return members;
}

}  // namespace vendarion::mkdata
