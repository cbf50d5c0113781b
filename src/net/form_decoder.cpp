#include "net/form_decoder.h"

#include <charconv>
#include <cstdint>

namespace vendarion {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool DecodeNumber(std::string_view text, std::int32_t* out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool StoreValue(char key, const std::string& value, InternetRequest* request) {
    switch (key) {
        case 'l':
            request->name = value;
            return true;
        case 'f':
            request->first_name = value;
            return true;
        case 'd':
            request->heading = value;
            return true;
        case 'c':
            request->town = value;
            return true;
        case 'z':
            request->postal_code = value;
            return true;
        case 'a':
            request->area_code = value;
            return true;
        case 's':
            request->street = value;
            return true;
        case 't':
            request->extra = value;
            return true;
        case 'x':
            request->phonetic = value == "1";
            return true;
        case 'y':
            request->exact = value == "1";
            return true;
        case 'n':
            return DecodeNumber(value, &request->records_per_page);
        case 'p':
            return DecodeNumber(value, &request->page);
        case 'v':
            return DecodeNumber(value, &request->version);
        default:
            return true;
    }
}

}  // namespace

bool FormDecode(std::string_view value, std::string* out) {
    out->clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '+') {
            out->push_back(' ');
        } else if (value[i] != '%') {
            out->push_back(value[i]);
        } else {
            if (i + 2 >= value.size()) return false;
            const int high = HexValue(value[i + 1]);
            const int low = HexValue(value[i + 2]);
            if (high < 0 || low < 0) return false;
            out->push_back(static_cast<char>(high * 16 + low));
            i += 2;
        }
    }
    return true;
}

bool DecodeForm(std::string_view body, InternetRequest* request) {
    *request = {};
    request->version = 0;
    request->records_per_page = 0;
    std::string value;
    while (!body.empty()) {
        const std::size_t end = body.find('&');
        const std::string_view pair = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) return false;
        if (!FormDecode(pair.substr(equals + 1), &value)) return false;
        const std::string_view key = pair.substr(0, equals);
        if (key.size() == 1 && !StoreValue(key[0], value, request)) return false;
    }
    return true;
}

}  // namespace vendarion
