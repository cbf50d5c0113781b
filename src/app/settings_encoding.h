// The encodings a settings file may come in: UTF-8 (with or without a byte order
// mark) as the program writes it, or UTF-16 with a byte order mark as registry
// exports of other systems are written. A file is written back in the encoding it was
// read in, so that no tool meets mixed encodings; UTF-16 keeps its CR LF line ends,
// UTF-8 is written with LF.
#pragma once

#include <string>
#include <string_view>

namespace vendarion {

struct SettingsEncoding {
    enum class Form { kUtf8, kUtf8WithMark, kUtf16Le, kUtf16Be };
    Form form = Form::kUtf8;
    bool crlf = false;  // lines end with CR LF (UTF-16 only)
};

// The file's text as UTF-8 without a byte order mark. False for UTF-16 of odd length
// or with unpaired surrogates: such a file is neither read nor written.
[[nodiscard]] bool DecodeSettingsText(std::string_view bytes, std::string* utf8,
                                      SettingsEncoding* encoding);

// The bytes of UTF-8 text (lines ended by LF) in the given encoding.
std::string EncodeSettingsText(std::string_view utf8, const SettingsEncoding& encoding);

}  // namespace vendarion
