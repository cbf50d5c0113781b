#include "store/field_dictionary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/fold_text.h"
#include "store/field_dictionary_format.h"

namespace vendarion {
namespace {

using namespace field_dictionary_format;

// Lookups use at most this many bytes of the typed text.
constexpr std::size_t kTextLimit = 256;
// Folded words and texts: a 254-byte word folds to at most 508 bytes.
constexpr std::size_t kFoldCapacity = 512;
// Suffixes up to this length are copied with one fixed-size move.
constexpr std::size_t kShortSuffix = 16;
// Lower bound searches at most this many blocks from the trie's starting point.
constexpr int kSearchBlocks = 16;

std::string MemberName(const char* pattern, std::string_view name) {
    char buffer[128];
    const int length = std::snprintf(buffer, sizeof buffer, pattern, std::string(name).c_str());
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
    return buffer;
}

std::string_view Trimmed(std::string_view text) {
    text = text.substr(0, kTextLimit);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

bool FieldDictionary::Open(std::string_view name, const ArchiveFile& index_archive,
                           const ArchiveFile& code_archive) {
    Close();
    ByteView words;
    ByteView index;
    ByteView trie;
    if (!code_archive.Find(MemberName(kWordsPattern, name), &words) ||
        !index_archive.Find(MemberName(kIndexPattern, name), &index)) {
        return false;
    }
    if (!index_archive.Find(MemberName(kTriePattern, name), &trie)) trie = {};
    return Open(words, index, trie);
}

bool FieldDictionary::Open(ByteView words, ByteView index, ByteView trie) {
    Close();
    if (words.data() == nullptr) return false;
    std::uint32_t count = 0;
    if (!index.U32(0, &count) || count > static_cast<std::uint32_t>(INT32_MAX - kWordsPerBlock)) {
        return false;
    }
    const std::uint64_t blocks = (count + kWordsPerBlock - 1) / kWordsPerBlock;
    offsets_ = index.Sub(kCountSize, blocks * kOffsetSize);
    if (offsets_.data() == nullptr) return false;
    // Each block's offset is checked where Seek starts the block.
    words_ = words;
    count_ = static_cast<int>(count);
    trie_ = Trie(trie);
    open_ = true;
    if (count_ <= kSmallWords) DecodeSmall();
    return true;
}

void FieldDictionary::DecodeSmall() {
    small_ends_.assign(1, 0);
    for (int n = 0; n < count_; ++n) {
        if (Seek(n)) small_words_.append(Current());
        small_ends_.push_back(static_cast<std::uint32_t>(small_words_.size()));
    }
}

void FieldDictionary::Close() {
    open_ = false;
    words_ = {};
    offsets_ = {};
    trie_ = Trie();
    count_ = 0;
    block_ = -1;
    index_ = 0;
    length_ = 0;
    small_words_.clear();
    small_ends_.clear();
}

bool FieldDictionary::Seek(int n) {
    static_assert(kMaxWordLength + kShortSuffix <= std::tuple_size_v<decltype(word_)>);
    const int block = n / kWordsPerBlock;
    const int slot = n % kWordsPerBlock;
    if (block != block_ || slot < index_ - 1) {
        block_ = block;
        index_ = 0;
        length_ = 0;
        shared_ = 0;
        next_byte_ = LoadU32(offsets_.data() + static_cast<std::size_t>(block) * kOffsetSize);
    }
    const std::uint8_t* data = words_.data();
    const std::size_t size = words_.size();
    if (next_byte_ > size) {  // the block's offset lies beyond the words: damaged
        block_ = -1;
        return false;
    }
    while (index_ <= slot) {
        if (size - next_byte_ < 2) break;  // next_byte_ <= size holds from here on
        const std::size_t prefix = data[next_byte_];
        const std::size_t suffix = data[next_byte_ + 1];
        if (prefix > length_ || prefix + suffix > kMaxWordLength ||
            suffix > size - next_byte_ - 2) {
            break;
        }
        // Most suffixes are short: a fixed 16-byte copy (when the member has the
        // bytes) costs less than a call for the exact length.
        if (suffix <= kShortSuffix && size - next_byte_ - 2 >= kShortSuffix) {
            std::memcpy(word_.data() + prefix, data + next_byte_ + 2, kShortSuffix);
        } else {
            std::memcpy(word_.data() + prefix, data + next_byte_ + 2, suffix);
        }
        length_ = prefix + suffix;
        shared_ = prefix;
        next_byte_ += 2 + suffix;
        ++index_;
    }
    if (index_ > slot) return true;
    block_ = -1;  // damaged: start again at the block's first word next time
    return false;
}

std::string_view FieldDictionary::Word(int n) {
    if (!open_ || n < 0 || n >= count_) return {};
    if (!small_ends_.empty()) {
        const std::size_t word = static_cast<std::size_t>(n);
        return std::string_view(small_words_)
            .substr(small_ends_[word], small_ends_[word + 1] - small_ends_[word]);
    }
    if (!Seek(n)) return {};
    return Current();
}

std::string_view FieldDictionary::Word(int n, std::size_t* shared) {
    *shared = 0;
    if (!open_ || n < 0 || n >= count_ || !small_ends_.empty()) return Word(n);
    if (!Seek(n)) return {};
    *shared = shared_;
    return Current();
}

int FieldDictionary::Words(int first, int last, std::vector<std::string>* out) {
    if (!open_ || last < first || first < 0 || last >= count_) return 0;
    const std::size_t start = out->size();
    for (int n = first; n <= last; ++n) {
        if (!Seek(n)) {
            out->resize(start);
            return 0;
        }
        out->emplace_back(Current());
    }
    return last - first + 1;
}

bool FieldDictionary::FoldedWord(int n, std::string_view* folded, char* buffer) {
    if (!Seek(n)) return false;
    *folded = {buffer, FoldText(Current(), buffer, kFoldCapacity)};
    return true;
}

int FieldDictionary::LowerBound(std::string_view text) {
    if (!open_ || trie_.empty()) return -1;
    text = Trimmed(text);
    const int start = trie_.Lookup(text);
    if (start < 0) return -1;
    char folded_text[kFoldCapacity];
    const std::string_view key(folded_text, FoldText(text, folded_text, sizeof folded_text));
    const int length = static_cast<int>(key.size());
    char buffer[kFoldCapacity];
    const std::int64_t first = static_cast<std::int64_t>(start / kWordsPerBlock) * kWordsPerBlock;
    std::int64_t n = first;
    // Words are sorted by their folded forms: when the word before the trie's
    // starting point is below the text, so is every word before it, and the
    // comparisons can begin at the starting point.
    if (start > first && start - 1 < count_) {
        std::string_view word;
        if (FoldedWord(start - 1, &word, buffer) && CompareFolded(word, key, length) < 0) n = start;
    }
    for (; n < first + kSearchBlocks * kWordsPerBlock; ++n) {
        if (n >= count_) return -1;
        std::string_view word;
        if (!FoldedWord(static_cast<int>(n), &word, buffer)) return -1;
        if (CompareFolded(word, key, length) >= 0) return static_cast<int>(n);
    }
    return -1;
}

bool FieldDictionary::Range(std::string_view text, bool prefix, int* lo, int* hi) {
    *lo = *hi = -1;
    text = Trimmed(text);
    const int found = LowerBound(text);
    if (found < 0) return false;
    char folded_text[kFoldCapacity];
    const std::string_view key(folded_text, FoldText(text, folded_text, sizeof folded_text));
    const int length = prefix ? static_cast<int>(key.size()) : static_cast<int>(kFoldCapacity);
    char buffer[kFoldCapacity];
    const auto matches = [&](int n) {
        std::string_view word;
        return FoldedWord(n, &word, buffer) && CompareFolded(word, key, length) == 0;
    };
    if (!matches(found)) return false;
    // Words are sorted by their folded forms, so the matching words are one run: its
    // end lies in the last block whose first word still matches.
    int low = found / kWordsPerBlock;
    int high = (count_ - 1) / kWordsPerBlock;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (matches(middle * kWordsPerBlock)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    int last = std::max(found, low * kWordsPerBlock);
    while (last + 1 < count_ && matches(last + 1)) ++last;
    *lo = found;
    *hi = last;
    return true;
}

bool FieldDictionary::EqualRange(std::string_view text, int* lo, int* hi) {
    return Range(text, false, lo, hi);
}

bool FieldDictionary::PrefixRange(std::string_view text, int* lo, int* hi) {
    return Range(text, true, lo, hi);
}

}  // namespace vendarion
