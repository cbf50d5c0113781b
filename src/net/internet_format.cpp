#include "net/internet_format.h"

namespace vendarion::internet_format {
namespace {

// Bytes that a terminal or a text view takes as controls: C0, DEL, and the five
// Windows-1252 bytes without a character, which convert to C1 controls.
bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
}

}  // namespace

std::string CleanServerText(std::string_view text) {
    std::string clean;
    for (const char c : text) {
        if (clean.size() == kMaxReplyText) break;
        if (!IsControl(static_cast<unsigned char>(c))) clean.push_back(c);
    }
    return clean;
}

}  // namespace vendarion::internet_format
