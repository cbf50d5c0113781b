#include "base/fold_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vendarion {
namespace {

// Replacement of one lowered byte: zero, one or two characters.
struct Fold {
    std::uint8_t length;
    char first;
    char second;
};

constexpr std::array<Fold, 256> MakeFoldTable() {
    std::array<Fold, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = {1, static_cast<char>(b), 0};
    const auto one = [&table](int b, char c) { table[b] = {1, c, 0}; };
    const auto two = [&table](int b, char c, char d) { table[b] = {2, c, d}; };
    for (int b : {0x22, 0x27, 0x3C, 0x3E}) table[b] = {0, 0, 0};
    for (int b : {0x23, 0x26, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x3A}) one(b, ' ');
    for (int b : {0x40, 0xC0, 0xC1, 0xE0, 0xE1, 0xE2, 0xE3, 0xE5}) one(b, 'a');
    one(0xA5, '\'');
    for (int b : {0xC4, 0xE4, 0xE6}) two(b, 'a', 'e');
    for (int b : {0xC7, 0xE7}) one(b, 'c');
    for (int b : {0xC8, 0xC9, 0xE8, 0xE9, 0xEA, 0xEB}) one(b, 'e');
    for (int b : {0xCC, 0xCD, 0xEC, 0xED, 0xEE, 0xEF}) one(b, 'i');
    for (int b : {0xD1, 0xF1}) one(b, 'n');
    for (int b : {0xD2, 0xD3, 0xD4, 0xD5, 0xF2, 0xF3, 0xF4, 0xF5}) one(b, 'o');
    for (int b : {0xD6, 0xF6}) two(b, 'o', 'e');
    for (int b : {0xD9, 0xDA, 0xF9, 0xFA, 0xFB}) one(b, 'u');
    for (int b : {0xDC, 0xFC}) two(b, 'u', 'e');
    for (int b : {0xDD, 0xFD, 0xFF}) one(b, 'y');
    two(0xDF, 's', 's');
    // Only A-Z are lowered before the replacement.
    for (int b = 'A'; b <= 'Z'; ++b) table[b] = table[b + ('a' - 'A')];
    return table;
}

constexpr std::array<Fold, 256> kFold = MakeFoldTable();

const Fold& FoldOf(char c) { return kFold[static_cast<unsigned char>(c)]; }

// The text up to its first zero byte.
std::string_view UntilZero(std::string_view text) {
    const void* zero = std::memchr(text.data(), 0, text.size());
    if (zero == nullptr) return text;
    return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
}

// One character of a pair encoding: the stored byte (0 for the second half of a
// two-letter fold) and its folded byte.
struct Pair {
    char stored;
    char folded;
};
constexpr std::size_t kMaxPairs = 299;

// Encodes text as pairs, at most kMaxPairs, followed by a zero pair.
std::size_t EncodePairs(std::string_view text, std::array<Pair, kMaxPairs + 1>* pairs) {
    std::size_t n = 0;
    for (const char c : UntilZero(text)) {
        const Fold& fold = FoldOf(c);
        if (n + fold.length > kMaxPairs) break;
        if (fold.length >= 1) (*pairs)[n++] = {c, fold.first};
        if (fold.length == 2) (*pairs)[n++] = {0, fold.second};
    }
    (*pairs)[n] = {0, 0};
    return n;
}

}  // namespace

std::size_t FoldText(std::string_view source, char* destination, std::size_t capacity) {
    if (capacity == 0) return 0;
    std::size_t length = 0;
    for (const char c : UntilZero(source)) {
        if (length >= capacity - 1) break;
        const Fold& fold = FoldOf(c);
        if (length + fold.length > capacity - 1) break;
        if (fold.length >= 1) destination[length++] = fold.first;
        if (fold.length == 2) destination[length++] = fold.second;
    }
    while (length > 0 && destination[length - 1] == ' ') --length;
    std::size_t start = 0;
    while (start < length && destination[start] == ' ') ++start;
    if (start > 0) std::memmove(destination, destination + start, length - start);
    length -= start;
    destination[length] = 0;
    return length;
}

std::string FoldText(std::string_view source) {
    std::string folded(UntilZero(source).size() * 2 + 1, '\0');
    folded.resize(FoldText(source, folded.data(), folded.size()));
    return folded;
}

int CompareFolded(std::string_view a, std::string_view b, int n) {
    for (std::size_t i = 0; n < 0 || i < static_cast<std::size_t>(n); ++i) {
        const auto x = static_cast<unsigned char>(i < a.size() ? a[i] : 0);
        const auto y = static_cast<unsigned char>(i < b.size() ? b[i] : 0);
        if (x != 0 && y != 0) {
            if (x != y) return x < y ? -1 : 1;
            continue;
        }
        if (x == 0 && y == 0) return 0;
        return x == 0 ? -1 : 1;
    }
    return 0;
}

std::size_t FoldedPrefixLength(std::string_view typed, std::string_view stored) {
    constexpr std::size_t kCopy = 511;
    constexpr std::size_t kMaxCount = 256;
    char folded_stored[kCopy + 1];
    const std::size_t stored_length = FoldText(stored, folded_stored, sizeof folded_stored);

    std::string_view copy = UntilZero(typed).substr(0, kCopy);
    while (!copy.empty() && copy.back() == ' ') copy.remove_suffix(1);
    while (!copy.empty() && copy.front() == ' ') copy.remove_prefix(1);

    std::size_t count = 0;
    std::size_t s = 0;  // position in the folded stored text
    for (const char c : copy) {
        if (count >= kMaxCount) break;
        const Fold& fold = FoldOf(c);
        if (fold.length >= 1) {
            if (s >= stored_length || folded_stored[s] != fold.first) break;
            if (fold.length == 2 && (s + 1 >= stored_length || folded_stored[s + 1] != fold.second))
                break;
            s += fold.length;
        }
        ++count;
    }
    return count;
}

bool CompleteFromPrefix(std::string_view typed, std::string_view stored, std::string* out) {
    out->clear();
    std::array<Pair, kMaxPairs + 1> typed_pairs;
    std::array<Pair, kMaxPairs + 1> stored_pairs;
    EncodePairs(typed, &typed_pairs);
    EncodePairs(stored, &stored_pairs);

    std::size_t t = 0;
    std::size_t s = 0;
    while (typed_pairs[t].folded == ' ') ++t;
    while (stored_pairs[s].folded == ' ') ++s;
    for (; typed_pairs[t].folded != 0; ++t, ++s) {
        if (stored_pairs[s].folded != typed_pairs[t].folded) return false;
    }
    if (stored_pairs[s].folded != 0 && stored_pairs[s].stored == 0) {
        out->push_back(stored_pairs[s].folded);
        ++s;
    }
    for (; stored_pairs[s].folded != 0; ++s) {
        if (stored_pairs[s].stored != 0) out->push_back(stored_pairs[s].stored);
    }
    return true;
}

}  // namespace vendarion
