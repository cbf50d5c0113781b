#include "dial/alsa_audio_output.h"

#include <gtest/gtest.h>

#include "dial/tone_buffer.h"
#include "dial/tone_dialer.h"

namespace vendarion {
namespace {

// ALSA's "null" device takes every sample and plays nothing: the whole playback
// path runs without a sound card.
TEST(AlsaAudioOutput, PlaysOnTheNullDevice) {
    AlsaAudioOutput audio("null");
    ToneBuffer buffer;
    ASSERT_TRUE(ToneDialer::Compose("0221", EmbeddedTones(), &buffer));
    EXPECT_TRUE(audio.Play(buffer.Image()));
    EXPECT_TRUE(audio.Play(ToneBuffer().Image())) << "an empty data chunk";
}

TEST(AlsaAudioOutput, FailsAtOnceForMissingDevicesAndDamagedImages) {
    AlsaAudioOutput missing("no_such_device");
    EXPECT_FALSE(missing.Play(ToneBuffer().Image()));
    AlsaAudioOutput audio("null");
    ToneBuffer buffer;
    ASSERT_TRUE(ToneDialer::Compose("1", EmbeddedTones(), &buffer));
    const std::string_view image = buffer.Image();
    EXPECT_FALSE(audio.Play(image.substr(0, image.size() - 1))) << "data past the end";
    EXPECT_FALSE(audio.Play(image.substr(0, 30)));
    std::string eight_bit(image);
    eight_bit[34] = 8;
    EXPECT_FALSE(audio.Play(eight_bit));
}

}  // namespace
}  // namespace vendarion
