#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/cp1252.h"

namespace vendarion::mkdata {
namespace {

constexpr std::size_t kChunk = 1 << 20;

// Control characters are refused; TAB only separates fields. The Windows-1252 bytes
// of the C1 controls U+0081, U+008D, U+008F, U+0090 and U+009D count as controls too.
bool IsControl(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F ||
           c == 0x90 || c == 0x9D;
}

// Whether text is ASCII without controls (TAB allowed): the common line, checked in
// one pass without branches, which the compiler turns into vector instructions.
bool IsPlainAscii(std::string_view text) {
    unsigned char odd = 0;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        odd |= static_cast<unsigned char>((u >= 0x80) | (u < 0x20 && u != '\t') | (u == 0x7F));
    }
    return odd == 0;
}

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

}  // namespace

LineReader::~LineReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::Open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = path + ": " + std::strerror(errno);
        return false;
    }
    buffer_.resize(kChunk);
    return true;
}

bool LineReader::Open(const std::string& path, std::uint64_t begin, std::uint64_t end) {
    if (!Open(path)) return false;
    if (end < begin || begin > static_cast<std::uint64_t>(INT64_MAX) ||
        fseeko(file_, static_cast<off_t>(begin), SEEK_SET) != 0) {
        error_ = path + ": cannot read from byte " + std::to_string(begin);
        return false;
    }
    at_file_start_ = begin == 0;
    unread_ = end - begin;
    return true;
}

bool LineReader::Refill() {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::size_t room =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size() - end_, unread_));
    const std::size_t got = room == 0 ? 0 : std::fread(buffer_.data() + end_, 1, room, file_);
    end_ += got;
    unread_ -= got;
    if (got == 0) eof_ = true;
    return !std::ferror(file_);
}

LineReader::Result LineReader::ReadRawLine(std::string_view* line) {
    std::size_t scanned = 0;  // bytes after begin_ known to hold no line end
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const void* found = std::memchr(start + scanned, '\n', end_ - begin_ - scanned);
        if (found != nullptr) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            *line = std::string_view(start, length);
            begin_ += length + 1;
            break;
        }
        scanned = end_ - begin_;
        if (eof_) {
            if (scanned == 0) return Result::kEnd;
            *line = std::string_view(start, scanned);
            begin_ = end_;
            break;
        }
        if (!Refill()) {
            Fail(std::strerror(errno));
            return Result::kError;
        }
    }
    ++line_number_;
    if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
    if (line_number_ == 1 && at_file_start_ && line->starts_with("\xEF\xBB\xBF")) {
        line->remove_prefix(3);
    }
    return Result::kLine;
}

LineReader::Result LineReader::NextLine(std::string_view* line) {
    std::string_view raw;
    const Result result = ReadRawLine(&raw);
    if (result != Result::kLine) return result;
    if (IsPlainAscii(raw)) {
        *line = raw;
        return Result::kLine;
    }
    if (!IsAscii(raw)) {
        if (!Utf8ToCp1252(raw, &converted_)) {
            Fail("malformed UTF-8 or a character without a Windows-1252 byte");
            return Result::kError;
        }
        raw = converted_;
    }
    for (const char c : raw) {
        if (IsControl(static_cast<unsigned char>(c))) {
            Fail("control character in the text");
            return Result::kError;
        }
    }
    *line = raw;
    return Result::kLine;
}

LineReader::Result LineReader::NextRecord(std::vector<std::string_view>* fields) {
    std::string_view line;
    for (;;) {
        const Result result = NextLine(&line);
        if (result != Result::kLine) return result;
        if (!line.empty() && line.front() != '#') break;
    }
    fields->clear();
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields->push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) break;
        line.remove_prefix(tab + 1);
    }
    return Result::kLine;
}

bool LineReader::Fail(std::string_view message) {
    error_ = path_ + ":" + std::to_string(line_number_) + ": " + std::string(message);
    return false;
}

}  // namespace vendarion::mkdata
