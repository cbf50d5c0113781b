// Parses arbitrary bytes as a settings file, sets one value and writes the file back
// in its own encoding: the written file must read back in the same encoding, keep
// the value and keep every other value line it had.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/registry_text.h"
#include "app/settings_encoding.h"

using namespace vendarion;

namespace {

constexpr std::string_view kName = "FuzzValue";
constexpr std::string_view kText = "a\"b\\c";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string text;
    SettingsEncoding encoding;
    if (!DecodeSettingsText(bytes, &text, &encoding)) return 0;
    auto lines = ParseRegistryText(text);
    std::vector<std::string> names;
    for (const RegistryLine& line : lines) {
        if (line.is_value && FindRegistryValue({line}, kName) == nullptr)
            names.push_back(line.name);
    }
    SetRegistryValue(&lines, kName, RegistryTextLine(kName, kText));
    const std::string written = EncodeSettingsText(JoinRegistryLines(lines), encoding);

    std::string reread;
    SettingsEncoding reread_encoding;
    if (!DecodeSettingsText(written, &reread, &reread_encoding)) std::abort();
    if (reread_encoding.form != encoding.form) std::abort();
    const auto again = ParseRegistryText(reread);
    const RegistryLine* value = FindRegistryValue(again, kName);
    if (value == nullptr || value->is_number || value->text_value != kText) std::abort();
    for (const std::string& name : names) {
        if (FindRegistryValue(again, name) == nullptr) std::abort();
    }
    return 0;
}
