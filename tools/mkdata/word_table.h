// Interns the distinct texts of one subscriber field while the source is parsed:
// each text is stored once and gets a provisional number in order of first
// appearance. Texts are Windows-1252. Views returned stay valid for the table's life.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vendarion::mkdata {

class WordTable {
public:
    WordTable() = default;
    WordTable(const WordTable&) = delete;
    WordTable& operator=(const WordTable&) = delete;

    // The provisional number of text (0, 1, ...), adding it when new.
    std::uint32_t Intern(std::string_view text);
    std::size_t Size() const { return words_.size(); }
    std::string_view Word(std::uint32_t number) const { return words_[number]; }
    const std::vector<std::string_view>& Words() const { return words_; }

private:
    std::string_view Store(std::string_view text);

    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t chunk_used_ = 0;
    std::size_t chunk_size_ = 0;
    std::unordered_map<std::string_view, std::uint32_t> numbers_;
    std::vector<std::string_view> words_;
};

}  // namespace vendarion::mkdata
