// The picture on the left of the search assistant, drawn when the program is built:
// one PNG image whose bottom rows are the plain colour AssistantPictureColour, so
// that a taller frame continues it below.
#pragma once

#include <string_view>

namespace vendarion {

inline constexpr int kAssistantPictureWidth = 150;
inline constexpr int kAssistantPictureHeight = 330;
// The colour of the picture's bottom rows, as 0xRRGGBB.
inline constexpr unsigned kAssistantPictureColour = 0x1c3f66;

// The PNG bytes.
std::string_view AssistantPicture();

}  // namespace vendarion
