// The sixteen keys of the DTMF keypad with the name of their tone image and their
// two frequencies.
#pragma once

#include <string_view>

namespace vendarion {

struct ToneKey {
    char key;
    std::string_view image_name;
    int low_hz;
    int high_hz;
};

inline constexpr ToneKey kToneKeys[16] = {
    {'1', "WAVE1", 697, 1209},    {'2', "WAVE2", 697, 1336}, {'3', "WAVE3", 697, 1477},
    {'A', "WAVEA", 697, 1633},    {'4', "WAVE4", 770, 1209}, {'5', "WAVE5", 770, 1336},
    {'6', "WAVE6", 770, 1477},    {'B', "WAVEB", 770, 1633}, {'7', "WAVE7", 852, 1209},
    {'8', "WAVE8", 852, 1336},    {'9', "WAVE9", 852, 1477}, {'C', "WAVEC", 852, 1633},
    {'*', "WAVESTAR", 941, 1209}, {'0', "WAVE0", 941, 1336}, {'#', "WAVERAUTE", 941, 1477},
    {'D', "WAVED", 941, 1633},
};

// The tone image name of a dial-string character ("a" and "A" both give "WAVEA");
// empty for characters without a tone (blanks, '-', '(', letters after D, ...).
constexpr std::string_view ToneImageName(char c) {
    if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
    for (const ToneKey& key : kToneKeys) {
        if (key.key == c) return key.image_name;
    }
    return {};
}

}  // namespace vendarion
