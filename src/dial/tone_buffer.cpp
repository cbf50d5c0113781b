#include "dial/tone_buffer.h"

#include <cstring>
#include <limits>

#include "dial/wave_format.h"

namespace vendarion {
namespace {

using namespace wave_format;

bool HasTag(ByteView image, std::size_t offset, std::string_view tag) {
    const ByteView bytes = image.Sub(offset, tag.size());
    return !bytes.empty() && std::memcmp(bytes.data(), tag.data(), tag.size()) == 0;
}

void PutU32(std::string* out, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        (*out)[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void PutU16(std::string* out, std::size_t offset, std::uint16_t value) {
    (*out)[offset] = static_cast<char>(value & 0xFF);
    (*out)[offset + 1] = static_cast<char>(value >> 8);
}

// The sample data of a checked image: it starts 8 bytes after the data chunk, which
// follows the format chunk; its length is the chunk's length field. The chunk tag is
// not compared.
ByteView SampleData(ByteView image) {
    std::uint32_t format_length = 0;
    std::uint32_t data_length = 0;
    if (!image.U32(16, &format_length)) return {};
    const std::uint64_t chunk = kFormatChunkStart + std::uint64_t{format_length};
    if (!image.U32(chunk + 4, &data_length)) return {};
    return image.Sub(chunk + 8, data_length);
}

}  // namespace

bool CheckToneImage(ByteView image) {
    std::uint32_t format_length = 0, rate = 0, byte_rate = 0, data_length = 0;
    std::uint16_t tag = 0, channels = 0, frame = 0, bits = 0;
    if (!HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE") || !HasTag(image, 12, "fmt")) {
        return false;
    }
    if (!image.U32(16, &format_length) || format_length < 16) return false;
    if (!image.U16(20, &tag) || !image.U16(22, &channels) || !image.U32(24, &rate) ||
        !image.U32(28, &byte_rate) || !image.U16(32, &frame) || !image.U16(34, &bits)) {
        return false;
    }
    if (tag != kPcm || channels != kChannels || rate != kSampleRate || byte_rate != kByteRate ||
        frame != kFrameSize || bits != kBitsPerSample) {
        return false;
    }
    const std::uint64_t chunk = kFormatChunkStart + std::uint64_t{format_length};
    if (!image.U32(chunk + 4, &data_length)) return false;
    return image.Contains(chunk + 8, data_length);
}

ToneBuffer::ToneBuffer() : image_(kHeaderSize, '\0') {
    std::memcpy(image_.data(), "RIFF", 4);
    PutU32(&image_, 4, kHeaderSize - 8);
    std::memcpy(image_.data() + 8, "WAVEfmt ", 8);
    PutU32(&image_, 16, 16);
    PutU16(&image_, 20, kPcm);
    PutU16(&image_, 22, kChannels);
    PutU32(&image_, 24, kSampleRate);
    PutU32(&image_, 28, kByteRate);
    PutU16(&image_, 32, kFrameSize);
    PutU16(&image_, 34, kBitsPerSample);
    std::memcpy(image_.data() + 36, "data", 4);
}

std::uint32_t ToneBuffer::DataLength() const {
    return LoadU32(reinterpret_cast<const std::uint8_t*>(image_.data()) + kDataLengthOffset);
}

void ToneBuffer::AddToLength(std::size_t offset, std::uint32_t amount) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image_.data());
    PutU32(&image_, offset, LoadU32(bytes + offset) + amount);
}

bool ToneBuffer::Append(ByteView tone_image) {
    if (!CheckToneImage(tone_image)) return false;
    const ByteView samples = SampleData(tone_image);
    if (samples.size() > std::numeric_limits<std::uint32_t>::max() - image_.size()) return false;
    if (!samples.empty()) {
        image_.append(reinterpret_cast<const char*>(samples.data()), samples.size());
    }
    const auto amount = static_cast<std::uint32_t>(samples.size());
    AddToLength(4, amount);
    AddToLength(kDataLengthOffset, amount);
    return true;
}

}  // namespace vendarion
