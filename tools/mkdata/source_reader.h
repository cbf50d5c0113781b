// Reading the source files of a data set (their format is in FORMAT.md beside this
// file) into memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "line_reader.h"
#include "source_data.h"

namespace vendarion::mkdata {

// Reads the eight source files of dir. On failure error holds "file:line: message"
// (or "file: message" when the file cannot be read).
[[nodiscard]] bool ReadSources(const std::string& dir, SourceData* data, std::string* error);

// The parts of ReadSources, one per file kind; each fails through reader->Fail.
[[nodiscard]] bool ReadBooks(LineReader* reader, std::vector<Book>* books);
enum class ListKind { kTowns, kPostalCodes, kAreaCodes };
[[nodiscard]] bool ReadList(LineReader* reader, ListKind kind, int book_count,
                            std::vector<ListRecord>* records);
[[nodiscard]] bool ReadSubscribers(LineReader* reader, const std::vector<Book>& books,
                                   SubscriberData* subscribers);
// Reads subscribers.tsv at path: a file of at least split_from bytes in two halves
// on two threads, split before a main entry, with the result of reading it in one
// piece (the same records, provisional numbers and errors).
[[nodiscard]] bool ReadSubscriberFile(const std::string& path, const std::vector<Book>& books,
                                      std::uint64_t split_from, SubscriberData* subscribers,
                                      std::string* error);
// Where ReadSubscriberFile splits the file of this size: the first line after its
// middle (within a MiB) that holds a main entry; 0 when there is none.
std::uint64_t MainEntrySplit(const std::string& path, std::uint64_t size);
// The size from which ReadSources reads subscribers.tsv in two halves.
inline constexpr std::uint64_t kSplitSubscribersFrom = std::uint64_t{64} << 20;
[[nodiscard]] bool ReadCountries(LineReader* reader, std::vector<Country>* countries);
[[nodiscard]] bool ReadBanks(LineReader* reader, std::vector<Bank>* banks);
[[nodiscard]] bool ReadTips(LineReader* reader, std::vector<std::string>* tips);

// Fails through reader with a message naming the field when fields does not hold
// exactly count fields.
[[nodiscard]] bool ExpectFields(LineReader* reader, const std::vector<std::string_view>& fields,
                                std::size_t count);
// Fails unless text holds at most max bytes; what names the field in the message.
[[nodiscard]] bool ExpectLength(LineReader* reader, std::string_view text, std::size_t max,
                                const char* what);

}  // namespace vendarion::mkdata
