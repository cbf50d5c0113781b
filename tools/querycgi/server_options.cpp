#include "server_options.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace vendarion {
namespace {

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Sets *out to the variable's value when it is a whole decimal number in [0, max].
template <typename Number>
void ReadNumber(const char* name, Number max, Number* out) {
    const std::string_view text = Environment(name);
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size() && value >= 0 &&
        value <= max) {
        *out = value;
    }
}

}  // namespace

ServerOptions OptionsFromEnvironment() {
    ServerOptions options;
    options.data_folder = std::string(Environment("VENDARION_DATA"));
    ReadNumber("VENDARION_WORKERS", 256, &options.workers);
    ReadNumber<std::size_t>("VENDARION_CACHE_ENTRIES", 1u << 20, &options.cache.max_entries);
    std::size_t megabytes = options.cache.max_bytes >> 20;
    ReadNumber<std::size_t>("VENDARION_CACHE_MB", 1u << 16, &megabytes);
    options.cache.max_bytes = megabytes << 20;
    long long seconds = options.cache.idle.count() / 1000;
    ReadNumber<long long>("VENDARION_CACHE_IDLE_S", 24 * 3600, &seconds);
    options.cache.idle = std::chrono::seconds(seconds);
    ReadNumber<std::int64_t>("VENDARION_MAX_VISITS", std::int64_t{1} << 40,
                             &options.limits.max_visits);
    long long milliseconds = options.limits.max_time.count();
    ReadNumber<long long>("VENDARION_MAX_MS", 3600 * 1000, &milliseconds);
    options.limits.max_time = std::chrono::milliseconds(milliseconds);
    return options;
}

}  // namespace vendarion
