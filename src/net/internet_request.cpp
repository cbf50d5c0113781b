#include "net/internet_request.h"

#include "net/internet_format.h"

namespace vendarion {
namespace {

bool IsPlain(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void AddPair(std::string* body, char key, std::string_view encoded_value) {
    body->push_back(key);
    body->push_back('=');
    body->append(encoded_value);
    body->push_back('&');
}

}  // namespace

std::string FormEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsPlain(c)) {
            encoded.push_back(byte);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 0x0f]);
        }
    }
    return encoded;
}

std::string FormBody(const InternetRequest& request) {
    std::string body;
    const std::pair<char, const std::string*> texts[] = {
        {'l', &request.name},   {'f', &request.first_name},  {'d', &request.heading},
        {'c', &request.town},   {'z', &request.postal_code}, {'a', &request.area_code},
        {'s', &request.street},
    };
    for (const auto& [key, text] : texts) {
        if (!text->empty()) AddPair(&body, key, FormEncode(*text));
    }
    if (request.records_per_page > 0) AddPair(&body, 'n', std::to_string(request.records_per_page));
    if (request.page > 0) AddPair(&body, 'p', std::to_string(request.page));
    if (request.phonetic) AddPair(&body, 'x', "1");
    if (request.exact) AddPair(&body, 'y', "1");
    if (!request.extra.empty()) AddPair(&body, 't', FormEncode(request.extra));
    if (request.version > 0) AddPair(&body, 'v', std::to_string(request.version));
    if (!body.empty()) body.pop_back();
    return body;
}

std::string RequestBytes(std::string_view path, std::string_view body) {
    std::string request = "POST ";
    request += path;
    request += " HTTP/1.0\nPragma: no-cache\nUser-Agent: ";
    request += internet_format::kUserAgent;
    request += "\nHost: \nCache-Control: no-cache\nContent-Type: ";
    request += internet_format::kFormContentType;
    request += "\nContent-Length: ";
    request += std::to_string(body.size());
    request += "\n\n";
    request += body;
    return request;
}

}  // namespace vendarion
