// Settings kept in memory, for tests: values keep their type (a number stored as
// text reads as the default), and a store that "does not exist" fails every write.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "base/settings.h"

namespace vendarion::test {

class MemorySettings final : public Settings {
public:
    std::string ReadText(std::string_view name, std::string_view default_text) override {
        const auto found = values_.find(std::string(name));
        if (found == values_.end() || !std::holds_alternative<std::string>(found->second)) {
            return std::string(default_text);
        }
        return std::get<std::string>(found->second);
    }
    bool WriteText(std::string_view name, std::string_view text) override {
        values_[std::string(name)] = std::string(text);
        return true;
    }
    std::int32_t ReadNumber(std::string_view name, std::int32_t default_value) override {
        const auto found = values_.find(std::string(name));
        if (found == values_.end() || !std::holds_alternative<std::int32_t>(found->second)) {
            return default_value;
        }
        return std::get<std::int32_t>(found->second);
    }
    bool WriteNumber(std::string_view name, std::int32_t number) override {
        values_[std::string(name)] = number;
        return true;
    }
    bool Has(std::string_view name) const { return values_.count(std::string(name)) != 0; }

private:
    std::map<std::string, std::variant<std::string, std::int32_t>> values_;
};

}  // namespace vendarion::test
