// Settings given on the command line in front of the settings file: a value set here
// is read instead of the file's; everything else reads through. Writes are refused,
// so a command never changes the file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "base/settings.h"

namespace vendarion::query_tool {

class OverlaySettings final : public Settings {
public:
    explicit OverlaySettings(Settings& below) : below_(below) {}

    void SetText(std::string_view name, std::string_view text) {
        texts_[std::string(name)] = std::string(text);
    }
    void SetNumber(std::string_view name, std::int32_t number) {
        numbers_[std::string(name)] = number;
    }

    std::string ReadText(std::string_view name, std::string_view default_text) override;
    bool WriteText(std::string_view, std::string_view) override { return false; }
    std::int32_t ReadNumber(std::string_view name, std::int32_t default_value) override;
    bool WriteNumber(std::string_view, std::int32_t) override { return false; }

private:
    Settings& below_;
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, std::int32_t, std::less<>> numbers_;
};

}  // namespace vendarion::query_tool
