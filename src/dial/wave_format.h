// Byte layout of the RIFF/WAVE images of the tone dialler: the tone images and the
// composed ToneBuffer. All integers little-endian.
//
//   offset 0   4  "RIFF"
//   offset 4   u32 image length - 8
//   offset 8   4  "WAVE"
//   offset 12  4  "fmt "
//   offset 16  u32 format chunk length (16)
//   offset 20  u16 format tag, 1 = PCM
//   offset 22  u16 channels, 1
//   offset 24  u32 samples per second, 11025
//   offset 28  u32 bytes per second, 22050
//   offset 32  u16 bytes per sample frame, 2
//   offset 34  u16 bits per sample, 16
//   offset 36  4  "data" (the data chunk starts at 20 + format chunk length)
//   offset 40  u32 sample data length
//   offset 44     signed 16-bit samples
//
// A tone image is 3900 bytes: 1928 samples, 386 of silence (35 ms) and then 1542 of
// the key's two sines (140 ms), each sine with a peak of about 8190.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vendarion::wave_format {

inline constexpr std::size_t kHeaderSize = 44;
inline constexpr std::size_t kFormatChunkStart = 20;
inline constexpr std::size_t kDataLengthOffset = 40;
inline constexpr std::uint16_t kPcm = 1;
inline constexpr std::uint16_t kChannels = 1;
inline constexpr std::uint32_t kSampleRate = 11025;
inline constexpr std::uint32_t kByteRate = 22050;
inline constexpr std::uint16_t kFrameSize = 2;
inline constexpr std::uint16_t kBitsPerSample = 16;

inline constexpr std::size_t kToneSilenceSamples = 386;
inline constexpr std::size_t kToneSoundSamples = 1542;
inline constexpr std::size_t kToneSamples = kToneSilenceSamples + kToneSoundSamples;
inline constexpr std::size_t kToneImageSize = kHeaderSize + 2 * kToneSamples;  // 3900
inline constexpr double kTonePeak = 8190.0;

}  // namespace vendarion::wave_format
