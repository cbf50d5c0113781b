#include "overlay_settings.h"

namespace vendarion::query_tool {

std::string OverlaySettings::ReadText(std::string_view name, std::string_view default_text) {
    const auto found = texts_.find(name);
    return found != texts_.end() ? found->second : below_.ReadText(name, default_text);
}

std::int32_t OverlaySettings::ReadNumber(std::string_view name, std::int32_t default_value) {
    const auto found = numbers_.find(name);
    return found != numbers_.end() ? found->second : below_.ReadNumber(name, default_value);
}

}  // namespace vendarion::query_tool
