// One line of the compiler's subscriber source: 19 tab-separated fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion::datagen {

struct EntryLine {
    int book = 0;
    int level = 0;  // 0 main entry, 1-7 sub-entry depth
    std::string surname;
    std::string first_name;
    std::string additions[5];  // title, -, nobility particle, degree, -
    std::string heading;
    std::string street;
    std::string house_number;
    int place = -1;  // -1: none
    int postal = -1;
    int area = -1;
    std::string call_addition;
    std::uint32_t phone = 0;  // 0: none
    int extension_digits = 0;
};

// Appends the line with its line end.
void AppendEntryLine(const EntryLine& line, std::string* out);

}  // namespace vendarion::datagen
