// Reads a UTF-8 source file line by line, converts each line to Windows-1252 and
// splits it into TAB-separated fields. Knows the current line number, so that every
// error can name its file and line. One object per file; not thread-safe.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion::mkdata {

class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens path; false (with Error set) when it cannot be read. With a range, reads
    // only the bytes begin ... end - 1, which must start at a line; line numbers then
    // count from the range's first line.
    [[nodiscard]] bool Open(const std::string& path);
    [[nodiscard]] bool Open(const std::string& path, std::uint64_t begin, std::uint64_t end);

    enum class Result { kLine, kEnd, kError };
    // The next line converted to Windows-1252, without its line end. Checks that every
    // character has a Windows-1252 byte and that no control character other than TAB
    // occurs. The view stays valid until the next call.
    Result NextLine(std::string_view* line);
    // Like NextLine, but skips empty lines and lines starting with '#' and splits the
    // line at TABs; the views stay valid until the next call.
    Result NextRecord(std::vector<std::string_view>* fields);

    int LineNumber() const { return line_number_; }
    // Sets the error to "path:line: message" and returns false, for the callers'
    // one-line failure returns.
    bool Fail(std::string_view message);
    const std::string& Error() const { return error_; }

private:
    bool Refill();
    Result ReadRawLine(std::string_view* line);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool at_file_start_ = true;          // the first line may begin with a byte-order mark
    std::uint64_t unread_ = UINT64_MAX;  // bytes of the range not yet read
    int line_number_ = 0;
    std::string converted_;
    std::string error_;
};

}  // namespace vendarion::mkdata
