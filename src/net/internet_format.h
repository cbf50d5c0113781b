// The wire format of the Internet search: one HTTP/1.0 POST per page of results,
// answered by an HTTP reply whose body is a header of 32 bytes and the records.
//
// Request (every line ended by a single LF, no CR; the Host line has no value):
//   POST <path> HTTP/1.0
//   Pragma: no-cache
//   User-Agent: Vendarion99
//   Host:
//   Cache-Control: no-cache
//   Content-Type: application/x-www-form-urlencoded
//   Content-Length: <body length in decimal>
//   <empty line>
//   <body>
// Body: pairs "key=value" joined by "&", in the order l f d c z a s (texts, only
// when not empty), n p (numbers, only when above 0), x y (the value 1, only when
// set), t (text, only when not empty), v (number). Texts are Windows-1252; the bytes
// 0-9, A-Z and a-z are sent as they are, every other byte as "%" and two upper-case
// hexadecimal digits.
//
// Reply: header lines ended by CR LF, each shorter than 1023 bytes; exactly these
// three are required: the status line "HTTP/x.y 200 ...", a Content-Type line
// containing "application/vendarion" and a Content-Length line of at least 32.
// Then the body, seven big-endian 32-bit integers and 4 unread bytes:
//   0   4   kind: 0 = error reply, 3 = subscriber records
//   4   4   kind 0: the error code; kind 3: the number of matches of all pages
//   8   8   not used
//   16  4   number of texts per record
//   20  4   number of records in this reply
//   24  4   size in bytes of the data after the header
//   28  4   not read
// then the data. Kind 0: an optional zero-terminated error text. Kind 3: the records
// back to back, each as many zero-terminated Windows-1252 texts as the header says:
// texts 0-15 the sixteen entry fields, 16 the level and 18 the flag in decimal, 17 a
// text kept but not used, texts from 19 on ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion::internet_format {

inline constexpr std::string_view kUserAgent = "Vendarion99";
inline constexpr std::string_view kFormContentType = "application/x-www-form-urlencoded";
inline constexpr std::string_view kReplyContentType = "application/vendarion";
inline constexpr std::string_view kDefaultPath = "/cgi-bin/QueryCgi";
inline constexpr std::int32_t kVersion = 1;

// A reply header line must have fewer bytes than this before its CR LF.
inline constexpr std::size_t kMaxLineLength = 1023;
// The status number starts at this offset of the status line ("HTTP/1.0 200 OK").
inline constexpr std::size_t kStatusOffset = 9;
inline constexpr int kStatusOk = 200;
inline constexpr int kRequiredHeaderLines = 3;

inline constexpr std::size_t kHeaderSize = 32;
inline constexpr std::size_t kKind = 0;
inline constexpr std::size_t kCodeOrTotal = 4;
inline constexpr std::size_t kTextsPerRecord = 16;
inline constexpr std::size_t kRecordCount = 20;
inline constexpr std::size_t kDataSize = 24;

inline constexpr std::uint32_t kKindError = 0;
inline constexpr std::uint32_t kKindRecords = 3;

// Record text numbers.
inline constexpr int kLevelText = 16;
inline constexpr int kExtraText = 17;
inline constexpr int kFlagText = 18;
inline constexpr int kTextsPerRecordSent = 19;

// The largest data block a reply may announce. Well above any page a client asks
// for (1000 records of 19 texts of 255 bytes are under 5 MB); larger is refused.
inline constexpr std::uint32_t kMaxDataSize = 64u << 20;
// The longest text kept from a server: record texts, the error text and the status
// text are cut to this many bytes (the data's own fields are shorter), so that
// neither memory nor a message box follows what a server sends.
inline constexpr std::size_t kMaxReplyText = 255;
// The data a page may bring per record asked for: room for 32 texts of the longest
// length, well above the 19 texts a record has.
inline constexpr std::uint32_t kMaxDataPerRecord = 32 * (kMaxReplyText + 1);
// At most this many header lines are read before the empty line.
inline constexpr int kMaxHeaderLines = 100;

// The most records a reply may hold (ten times the longest result list); more is
// refused, so that a reply of tiny records cannot make the client build millions.
inline constexpr std::uint32_t kMaxRecords = 10000;

// The data a page of records_per_page records may bring (a request without a
// number of records counts as the longest result list).
constexpr std::uint32_t MaxPageData(int records_per_page) {
    const auto records = static_cast<std::uint32_t>(
        records_per_page > 0 && records_per_page < 1000 ? records_per_page : 1000);
    return records * kMaxDataPerRecord;
}

// A text from a server as it may be printed or shown: control characters (and the
// Windows-1252 bytes that stand for C1 controls) removed, cut to kMaxReplyText bytes.
std::string CleanServerText(std::string_view text);

}  // namespace vendarion::internet_format
