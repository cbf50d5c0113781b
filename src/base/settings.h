// The program's persistent settings: named text and number values, each read with
// the caller's default. Implementations: the settings file of the application, and
// an in-memory store for tests. Called from the user-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendarion {

class Settings {
public:
    virtual ~Settings() = default;

    // The stored text, or default_text when the store, the value or its text cannot
    // be read (a text of more than 255 bytes counts as missing). The stored type is
    // not examined.
    virtual std::string ReadText(std::string_view name, std::string_view default_text) = 0;
    // True when stored. Fails, storing nothing, when the store does not exist.
    virtual bool WriteText(std::string_view name, std::string_view text) = 0;
    // The stored number when the value exists and is a number; the default otherwise.
    virtual std::int32_t ReadNumber(std::string_view name, std::int32_t default_value) = 0;
    virtual bool WriteNumber(std::string_view name, std::int32_t number) = 0;
};

// Longest text that reads back; longer stored texts read as missing.
inline constexpr std::size_t kMaxSettingText = 255;

}  // namespace vendarion
