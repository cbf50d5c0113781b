#include "app/settings_encoding.h"

#include <cstdint>

#include "base/cp1252.h"

namespace vendarion {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

char32_t Unit(std::string_view bytes, std::size_t at, bool big_endian) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return big_endian ? (char32_t{first} << 8) | second : (char32_t{second} << 8) | first;
}

bool DecodeUtf16(std::string_view bytes, bool big_endian, std::string* utf8) {
    if (bytes.size() % 2 != 0) return false;
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        char32_t cp = Unit(bytes, at, big_endian);
        if (cp >= 0xDC00 && cp <= 0xDFFF) return false;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            at += 2;
            if (at >= bytes.size()) return false;
            const char32_t low = Unit(bytes, at, big_endian);
            if (low < 0xDC00 || low > 0xDFFF) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(cp, utf8);
    }
    return true;
}

void AppendUnit(char32_t unit, bool big_endian, std::string* out) {
    const auto high = static_cast<char>((unit >> 8) & 0xFF);
    const auto low = static_cast<char>(unit & 0xFF);
    out->push_back(big_endian ? high : low);
    out->push_back(big_endian ? low : high);
}

// Malformed UTF-8 (which the program never writes) becomes U+FFFD.
std::string EncodeUtf16(std::string_view utf8, bool big_endian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const long decoded = DecodeUtf8(utf8, &pos);
        const char32_t cp = decoded < 0 ? 0xFFFD : static_cast<char32_t>(decoded);
        if (cp >= 0x10000) {
            AppendUnit(0xD800 + ((cp - 0x10000) >> 10), big_endian, &out);
            AppendUnit(0xDC00 + ((cp - 0x10000) & 0x3FF), big_endian, &out);
        } else {
            AppendUnit(cp, big_endian, &out);
        }
    }
    return out;
}

}  // namespace

bool DecodeSettingsText(std::string_view bytes, std::string* utf8, SettingsEncoding* encoding) {
    using Form = SettingsEncoding::Form;
    utf8->clear();
    *encoding = {};
    if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        const bool big_endian = bytes.starts_with(kUtf16BeMark);
        encoding->form = big_endian ? Form::kUtf16Be : Form::kUtf16Le;
        if (!DecodeUtf16(bytes.substr(2), big_endian, utf8)) return false;
    } else if (bytes.starts_with(kUtf8Mark)) {
        encoding->form = Form::kUtf8WithMark;
        utf8->assign(bytes.substr(kUtf8Mark.size()));
    } else {
        utf8->assign(bytes);
    }
    // UTF-16 files come from tools that expect CR LF; UTF-8 files are written with LF
    // alone, as the program always wrote them.
    encoding->crlf = encoding->form != Form::kUtf8 && encoding->form != Form::kUtf8WithMark &&
                     utf8->find("\r\n") != std::string::npos;
    return true;
}

std::string EncodeSettingsText(std::string_view utf8, const SettingsEncoding& encoding) {
    using Form = SettingsEncoding::Form;
    std::string text;
    if (encoding.crlf) {
        for (const char c : utf8) {
            if (c == '\n') text.push_back('\r');
            text.push_back(c);
        }
    } else {
        text.assign(utf8);
    }
    switch (encoding.form) {
        case Form::kUtf8:
            return text;
        case Form::kUtf8WithMark:
            return std::string(kUtf8Mark) + text;
        case Form::kUtf16Le:
            return std::string(kUtf16LeMark) + EncodeUtf16(text, false);
        case Form::kUtf16Be:
            return std::string(kUtf16BeMark) + EncodeUtf16(text, true);
    }
    return text;
}

}  // namespace vendarion
