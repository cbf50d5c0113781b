#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>

#include "dial/tone_buffer.h"
#include "dial/tone_dialer.h"
#include "dial/tone_source.h"
#include "dial/tone_table.h"
#include "dial/wave_file_output.h"
#include "dial/wave_format.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

using namespace std::chrono_literals;

class RecordingAudioOutput final : public AudioOutput {
public:
    explicit RecordingAudioOutput(int busy_attempts = 0) : busy_attempts_(busy_attempts) {}
    bool Play(std::string_view wave_image) override {
        if (++attempts_ <= busy_attempts_) return false;
        played_.emplace_back(wave_image);
        return true;
    }
    int Attempts() const { return attempts_; }
    const std::vector<std::string>& Played() const { return played_; }

private:
    int busy_attempts_;
    int attempts_ = 0;
    std::vector<std::string> played_;
};

// A device that another program keeps busy.
class BusyAudioOutput final : public AudioOutput {
public:
    bool Play(std::string_view) override { return ++attempts_, false; }
    int Attempts() const { return attempts_; }

private:
    int attempts_ = 0;
};

// The embedded tones with some images replaced.
class PatchedTones final : public ToneSource {
public:
    ByteView Find(std::string_view name) const override {
        const auto found = images_.find(std::string(name));
        return found != images_.end() ? ByteView(found->second) : EmbeddedTones().Find(name);
    }
    std::map<std::string, std::string> images_;
};

std::string Image(std::string_view name) {
    const ByteView view = EmbeddedTones().Find(name);
    return {reinterpret_cast<const char*>(view.data()), view.size()};
}

std::uint32_t U32At(std::string_view image, std::size_t offset) {
    return LoadU32(reinterpret_cast<const std::uint8_t*>(image.data()) + offset);
}

struct Pauses {
    std::vector<std::chrono::milliseconds> taken;
    ToneDialer::Pause Recorder() {
        return [this](std::chrono::milliseconds pause) { taken.push_back(pause); };
    }
};

// Power of one frequency in the samples (Goertzel).
double Power(std::string_view samples, int frequency) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / 11025.0);
    double previous = 0, before = 0;
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(samples.data()) + i;
        const double current = LoadI16(p) + coefficient * previous - before;
        before = previous;
        previous = current;
    }
    return previous * previous + before * before - coefficient * previous * before;
}

TEST(ToneImages, SixteenImagesOfTheRequiredForm) {
    for (const ToneKey& key : kToneKeys) {
        const std::string image = Image(key.image_name);
        ASSERT_EQ(image.size(), 3900u) << key.image_name;
        EXPECT_TRUE(CheckToneImage(ByteView(image)));
        EXPECT_EQ(image.substr(0, 16), std::string("RIFF\x34\x0F\0\0WAVEfmt ", 16));
        EXPECT_EQ(U32At(image, 40), 3856u);
        const std::string_view samples = std::string_view(image).substr(44);
        for (std::size_t i = 0; i < 2 * 386; i += 2) {
            ASSERT_LE(std::abs(LoadI16(reinterpret_cast<const std::uint8_t*>(&samples[i]))), 1);
        }
        EXPECT_NE(LoadI16(reinterpret_cast<const std::uint8_t*>(&samples[2 * 387])), 0);
        // The key's two frequencies carry the sound, the other six almost nothing.
        const std::string_view tone = samples.substr(2 * 386);
        for (const int frequency : {697, 770, 852, 941, 1209, 1336, 1477, 1633}) {
            const bool own = frequency == key.low_hz || frequency == key.high_hz;
            EXPECT_EQ(Power(tone, frequency) > Power(tone, key.low_hz) / 20, own)
                << key.image_name << " at " << frequency << " Hz";
        }
    }
    EXPECT_TRUE(EmbeddedTones().Find("WAVEE").empty());
}

TEST(ToneImageName, MapsDialableCharacters) {
    EXPECT_EQ(ToneImageName('*'), "WAVESTAR");
    EXPECT_EQ(ToneImageName('#'), "WAVERAUTE");
    EXPECT_EQ(ToneImageName('a'), "WAVEA");
    EXPECT_EQ(ToneImageName('A'), "WAVEA");
    EXPECT_EQ(ToneImageName('d'), "WAVED");
    for (const char c : std::string_view(" -/()+,eE\0", 10)) EXPECT_TRUE(ToneImageName(c).empty());
}

TEST(ToneBuffer, KeepsItsLengthsAfterEveryAppend) {
    ToneBuffer buffer;
    EXPECT_EQ(buffer.Image(), std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"
                                          "\x11\x2B\0\0\x22\x56\0\0\x02\0\x10\0data\0\0\0\0",
                                          44));
    for (const char* name : {"WAVE0", "WAVE1", "WAVE2", "WAVE3"}) {
        ASSERT_TRUE(buffer.Append(ByteView(Image(name))));
        EXPECT_EQ(U32At(buffer.Image(), 4), buffer.Image().size() - 8);
        EXPECT_EQ(buffer.DataLength(), buffer.Image().size() - 44);
    }
    EXPECT_EQ(buffer.Image().size(), 15468u);
    EXPECT_EQ(U32At(buffer.Image(), 4), 15460u);
    EXPECT_EQ(buffer.DataLength(), 15424u);
    EXPECT_EQ(buffer.Image().substr(44 + 3856, 3856), Image("WAVE1").substr(44));
}

TEST(CheckToneImage, RefusesOtherFormatsAndDamage) {
    const std::string good = Image("WAVE5");
    const auto with = [&](std::size_t offset, std::string_view bytes) {
        std::string image = good;
        image.replace(offset, bytes.size(), bytes);
        return CheckToneImage(ByteView(image));
    };
    EXPECT_FALSE(with(24, std::string("\x40\x1F\0\0", 4))) << "8 kHz";
    EXPECT_FALSE(with(22, std::string("\x02\0", 2))) << "two channels";
    EXPECT_FALSE(with(0, "RIFX"));
    EXPECT_FALSE(with(8, "WAVF"));
    EXPECT_FALSE(with(12, "fmx "));
    EXPECT_TRUE(with(15, "X")) << "the fourth byte of the format tag is not looked at";
    EXPECT_FALSE(with(16, std::string("\x0F\0\0\0", 4))) << "short format chunk";
    EXPECT_FALSE(with(40, std::string("\x11\x0F\0\0", 4))) << "data past the end";
    EXPECT_FALSE(with(16, std::string("\xF0\xFF\xFF\xFF", 4))) << "chunk past the end";
    EXPECT_TRUE(with(36, "junk")) << "the data tag is not compared";
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(CheckToneImage(ByteView(good.substr(0, length)))) << length;
    }
}

TEST(ToneBuffer, TakesTheDataChunkAfterALongerFormatChunk) {
    std::string image = Image("WAVE7");
    image.insert(36, std::string("\0\0", 2));
    image[16] = 18;
    ToneBuffer buffer;
    ASSERT_TRUE(buffer.Append(ByteView(image)));
    EXPECT_EQ(buffer.Image().substr(44), Image("WAVE7").substr(44));
}

TEST(ToneDialer, ComposesOnlyDialableCharacters) {
    ToneBuffer spaced, plain;
    ASSERT_TRUE(ToneDialer::Compose("(030) 123-45", EmbeddedTones(), &spaced));
    ASSERT_TRUE(ToneDialer::Compose("03012345", EmbeddedTones(), &plain));
    EXPECT_EQ(spaced.Image(), plain.Image());
    EXPECT_EQ(spaced.DataLength(), 8u * 3856);
    ToneBuffer keys;
    ASSERT_TRUE(ToneDialer::Compose("*31#", EmbeddedTones(), &keys));
    EXPECT_EQ(keys.Image().substr(44, 3856), Image("WAVESTAR").substr(44));
    EXPECT_EQ(keys.Image().substr(44 + 3 * 3856), Image("WAVERAUTE").substr(44));
}

TEST(ToneDialer, PlaysTheWholeNumberAsOneImage) {
    RecordingAudioOutput audio;
    Pauses pauses;
    EXPECT_EQ(ToneDialer(audio, EmbeddedTones(), pauses.Recorder()).Dial("0123"), 0);
    ASSERT_EQ(audio.Played().size(), 1u);
    EXPECT_EQ(audio.Played()[0].size(), 15468u);
    EXPECT_TRUE(pauses.taken.empty());
    EXPECT_EQ(ToneDialer(audio, EmbeddedTones(), pauses.Recorder()).Dial(" -x"), 0);
    EXPECT_EQ(audio.Played()[1].size(), 44u) << "nothing dialable: an empty data chunk";
}

TEST(ToneDialer, PlaysNothingWhenDeviceStaysBusy) {
    BusyAudioOutput audio;
    Pauses pauses;
    EXPECT_EQ(ToneDialer(audio, EmbeddedTones(), pauses.Recorder()).Dial("0301234567"), -1);
    EXPECT_EQ(audio.Attempts(), 40);
    EXPECT_EQ(pauses.taken, std::vector<std::chrono::milliseconds>(39, 50ms));
}

TEST(ToneDialer, PlaysOnceTheDeviceIsFree) {
    RecordingAudioOutput audio(3);
    Pauses pauses;
    EXPECT_EQ(ToneDialer(audio, EmbeddedTones(), pauses.Recorder()).Dial("1"), 0);
    EXPECT_EQ(audio.Attempts(), 4);
    EXPECT_EQ(pauses.taken.size(), 3u);
    RecordingAudioOutput late(39);
    EXPECT_EQ(ToneDialer(late, EmbeddedTones(), pauses.Recorder()).Dial("1"), 0);
    RecordingAudioOutput too_late(40);
    EXPECT_EQ(ToneDialer(too_late, EmbeddedTones(), pauses.Recorder()).Dial("1"), -1);
}

TEST(ToneDialer, AMissingOrMalformedToneFailsTheWholeNumber) {
    PatchedTones tones;
    std::string eight_khz = Image("WAVE9");
    eight_khz.replace(24, 4, std::string("\x40\x1F\0\0", 4));
    tones.images_["WAVE9"] = eight_khz;
    tones.images_["WAVE4"] = "";
    RecordingAudioOutput audio;
    Pauses pauses;
    ToneDialer dialer(audio, tones, pauses.Recorder());
    EXPECT_EQ(dialer.Dial("0123"), 0);
    EXPECT_EQ(dialer.Dial("1239"), -1);
    EXPECT_EQ(dialer.Dial("41"), -1);
    EXPECT_EQ(audio.Attempts(), 1) << "nothing played for the failed numbers";
}

TEST(WaveFileOutput, WritesTheImageOrFails) {
    test::TempDir dir;
    WaveFileOutput file(dir.File("tones.wav"));
    EXPECT_EQ(ToneDialer(file).Dial("0221*#"), 0);
    ToneBuffer expected;
    ASSERT_TRUE(ToneDialer::Compose("0221*#", EmbeddedTones(), &expected));
    EXPECT_EQ(test::ReadFile(dir.File("tones.wav")), expected.Image());

    WaveFileOutput nowhere(dir.File("missing/tones.wav"));
    Pauses pauses;
    EXPECT_EQ(ToneDialer(nowhere, EmbeddedTones(), pauses.Recorder()).Dial("1"), -1);
}

}  // namespace
}  // namespace vendarion
