// Parsing and writing the lines of a registry-export text file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

inline constexpr std::string_view kRegistryHeader = "Windows Registry Editor Version 5.00";
inline constexpr std::string_view kRegistryKey =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]";

// One line of the file. Lines that are not values of our key (the header, comments,
// other keys, malformed lines) keep their text and carry no value.
struct RegistryLine {
    std::string text;
    bool is_value = false;
    std::string name;  // UTF-8, as written
    bool is_number = false;
    std::string text_value;  // UTF-8, unescaped
    std::uint32_t number_value = 0;
};

std::vector<RegistryLine> ParseRegistryText(std::string_view file);
std::string JoinRegistryLines(const std::vector<RegistryLine>& lines);

// The last value line of our key with this name (letter case ignored); null if none.
const RegistryLine* FindRegistryValue(const std::vector<RegistryLine>& lines,
                                      std::string_view name);

// Puts a value line in place of every line of that name (keeping the position of the
// last), or appends it to our key, adding the header and key lines when missing.
void SetRegistryValue(std::vector<RegistryLine>* lines, std::string_view name,
                      std::string value_line);

std::string RegistryTextLine(std::string_view name, std::string_view utf8_text);
std::string RegistryNumberLine(std::string_view name, std::uint32_t number);

}  // namespace vendarion
