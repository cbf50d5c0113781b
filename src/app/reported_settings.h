// The settings as the program's window uses them: every call goes to the settings
// store, and the first write that fails in a run (a read-only folder, a full disk, a
// damaged file) is told to the user once, so that settings are never lost silently.
// The writes still return their result to their callers. User-interface thread only.
#pragma once

#include "base/messages.h"
#include "base/settings.h"

namespace vendarion {

class ReportedSettings final : public Settings {
public:
    ReportedSettings(Settings& store, Messages& messages) : store_(store), messages_(messages) {}

    std::string ReadText(std::string_view name, std::string_view default_text) override {
        return store_.ReadText(name, default_text);
    }
    bool WriteText(std::string_view name, std::string_view text) override {
        return Reported(store_.WriteText(name, text));
    }
    std::int32_t ReadNumber(std::string_view name, std::int32_t default_value) override {
        return store_.ReadNumber(name, default_value);
    }
    bool WriteNumber(std::string_view name, std::int32_t number) override {
        return Reported(store_.WriteNumber(name, number));
    }

private:
    bool Reported(bool written);

    Settings& store_;
    Messages& messages_;
    bool reported_ = false;
};

}  // namespace vendarion
