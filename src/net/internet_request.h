// The search an Internet query sends: the texts of the input fields, the page wanted
// and the name mode flags, and the bytes of the HTTP request that carries them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion {

// Filled by the main window for each search (page 0) and read by the worker, which
// advances the page. Texts are Windows-1252.
struct InternetRequest {
    std::int32_t version = 1;            // set to 1 by every query
    std::string name;                    // l: surname
    std::string first_name;              // f
    std::string heading;                 // d: "Branche"
    std::string town;                    // c: "Ort"
    std::string postal_code;             // z
    std::string area_code;               // a: "Vorwahl"
    std::string street;                  // s
    std::int32_t records_per_page = 50;  // n
    std::int32_t page = 0;               // p: 0 for the first page
    bool phonetic = false;               // x: the name mode "Phonetisch"
    bool exact = false;                  // y: the name mode "Exakt"
    std::string extra;                   // t: always empty in the program

    bool operator==(const InternetRequest&) const = default;
};

// The form encoding of a text: 0-9, A-Z and a-z as they are, every other byte as
// "%XX" with upper-case hexadecimal digits.
std::string FormEncode(std::string_view text);

// The form body of the request (see internet_format.h for the order).
std::string FormBody(const InternetRequest& request);

// The whole request for the path: header lines ended by LF, then the body.
std::string RequestBytes(std::string_view path, std::string_view body);

}  // namespace vendarion
