// Reading subscribers.tsv, the bulk of a national source, in two halves at once: each
// half is parsed on its own thread into word tables of its own, and the second half's
// words are then interned into the first half's tables in their order, so that every
// word gets the provisional number that reading the file in one piece gives it.
#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <system_error>
#include <thread>

#include "source_reader.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kSplitWindow = 1 << 20;

// Whether line begins like a main entry: a book number, a TAB, level 0, a TAB.
bool StartsMainEntry(std::string_view line) {
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
    return digits > 0 && line.substr(digits).starts_with("\t0\t");
}

bool ReadRange(const std::string& path, std::uint64_t begin, std::uint64_t end,
               const std::vector<Book>& books, SubscriberData* subscribers, std::string* error) {
    LineReader reader;
    if (reader.Open(path, begin, end) && ReadSubscribers(&reader, books, subscribers)) return true;
    *error = reader.Error();
    return false;
}

// Appends the second half to the first; false when the two together pass a limit of
// the record (the word numbers' widths, the entry count).
bool Append(SubscriberData* second, SubscriberData* first) {
    std::array<std::vector<std::uint32_t>, kDictionaryCount> numbers;
    for (int d = 0; d < kDictionaryCount; ++d) {
        const WordTable& words = second->words[d];
        numbers[d].resize(words.Size());
        for (std::uint32_t n = 0; n < words.Size(); ++n) {
            numbers[d][n] = first->words[d].Intern(words.Word(n));
        }
        if (first->words[d].Size() > kDictionaryFields[d].limit) return false;
    }
    const std::size_t offset = first->records.size();
    if (offset + second->records.size() > UINT32_MAX) return false;
    for (Record& record : second->records) {
        for (int d = 0; d < kDictionaryCount; ++d) {
            const DictionaryField& field = kDictionaryFields[d];
            const std::uint32_t id = GetId(record, field);
            if (id != 0) SetId(&record, field, numbers[d][id - 1] + 1);
        }
    }
    first->records.reserve(offset + second->records.size());
    first->records.insert(first->records.end(), second->records.begin(), second->records.end());
    second->records = {};
    for (const std::uint32_t start : second->main_starts) {
        first->main_starts.push_back(static_cast<std::uint32_t>(offset + start));
    }
    return true;
}

}  // namespace

std::uint64_t MainEntrySplit(const std::string& path, std::uint64_t size) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    const std::uint64_t middle = size / 2;
    if (file == nullptr || fseeko(file.get(), static_cast<off_t>(middle), SEEK_SET) != 0) return 0;
    std::string window(kSplitWindow, '\0');
    window.resize(std::fread(window.data(), 1, window.size(), file.get()));
    for (std::size_t end = window.find('\n'); end != std::string::npos;
         end = window.find('\n', end + 1)) {
        if (StartsMainEntry(std::string_view(window).substr(end + 1))) return middle + end + 1;
    }
    return 0;
}

bool ReadSubscriberFile(const std::string& path, const std::vector<Book>& books,
                        std::uint64_t split_from, SubscriberData* subscribers, std::string* error) {
    struct stat status {};
    const std::uint64_t size =
        stat(path.c_str(), &status) == 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    const std::uint64_t split = size >= split_from ? MainEntrySplit(path, size) : 0;
    if (split == 0) return ReadRange(path, 0, UINT64_MAX, books, subscribers, error);
    auto second = std::make_unique<SubscriberData>();
    std::string second_error;
    bool second_read = false;
    std::thread helper;
    try {
        helper = std::thread([&] {
            second_read = ReadRange(path, split, UINT64_MAX, books, second.get(), &second_error);
        });
    } catch (const std::system_error&) {
        // No second thread to be had: the file is read in one piece.
        return ReadRange(path, 0, UINT64_MAX, books, subscribers, error);
    }
    const bool first_read = ReadRange(path, 0, split, books, subscribers, error);
    helper.join();
    // An error in the first half is the one reading in one piece meets first.
    if (!first_read) return false;
    if (second_read && Append(second.get(), subscribers)) return true;
    // The second half failed, or the halves pass a limit together: the file is read
    // again in one piece, so that the error names the line that reading in one piece
    // names.
    second.reset();
    *subscribers = SubscriberData();
    return ReadRange(path, 0, UINT64_MAX, books, subscribers, error);
}

}  // namespace vendarion::mkdata
