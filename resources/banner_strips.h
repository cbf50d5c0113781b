// The frame strips of the animated banner, drawn when the program is built: one PNG
// image an animation, its frames 140 pixels wide and 70 rows high, one below the
// other.
#pragma once

#include <string_view>

namespace vendarion {

inline constexpr int kBannerFrameWidth = 140;
inline constexpr int kBannerFrameRows = 70;

// The PNG bytes of animation 0-4; empty for another number.
std::string_view BannerStrip(int animation);

}  // namespace vendarion
