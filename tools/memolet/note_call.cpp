#include "note_call.h"

#include <charconv>
#include <string_view>

namespace vendarion {

std::optional<NoteCall> ParseNoteCall(std::span<const std::string> arguments) {
    constexpr std::string_view kId = "/id=";
    constexpr std::string_view kPhone = "/phone=";
    NoteCall call;
    bool has_phone = false;
    for (const std::string& argument : arguments) {
        const std::string_view text = argument;
        if (text.substr(0, kId.size()) == kId) {
            const std::string_view digits = text.substr(kId.size());
            std::int32_t id = 0;
            const auto [end, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), id);
            if (call.id != 0 || error != std::errc() || end != digits.data() + digits.size() ||
                id < 1) {
                return std::nullopt;
            }
            call.id = id;
        } else if (text.substr(0, kPhone.size()) == kPhone && !has_phone) {
            call.phone = text.substr(kPhone.size());
            has_phone = true;
        } else {
            return std::nullopt;
        }
    }
    if (call.id == 0) return std::nullopt;
    return call;
}

}  // namespace vendarion
