#include "dial/alsa_audio_output.h"

#include <alsa/asoundlib.h>

#include <cstdint>

#include "base/byte_view.h"
#include "dial/wave_format.h"

namespace vendarion {
namespace {

// The playable part of a canonical 16-bit PCM WAVE image (44-byte header).
struct Pcm {
    unsigned channels = 0;
    unsigned rate = 0;
    ByteView samples;
};

bool ReadPcm(std::string_view wave_image, Pcm* pcm) {
    const ByteView image(wave_image);
    std::uint16_t tag = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0, data_length = 0;
    if (!image.U16(20, &tag) || !image.U16(22, &channels) || !image.U32(24, &rate) ||
        !image.U16(34, &bits) || !image.U32(wave_format::kDataLengthOffset, &data_length)) {
        return false;
    }
    if (tag != wave_format::kPcm || bits != 16 || (channels != 1 && channels != 2)) return false;
    if (!image.Contains(wave_format::kHeaderSize, data_length)) return false;
    pcm->channels = channels;
    pcm->rate = rate;
    pcm->samples = image.Sub(wave_format::kHeaderSize, data_length);
    return true;
}

bool WriteAll(snd_pcm_t* handle, const Pcm& pcm) {
    const std::size_t frame_size = 2 * pcm.channels;
    const std::uint8_t* data = pcm.samples.data();
    auto frames = static_cast<snd_pcm_uframes_t>(pcm.samples.size() / frame_size);
    while (frames > 0) {
        snd_pcm_sframes_t written = snd_pcm_writei(handle, data, frames);
        if (written < 0) written = snd_pcm_recover(handle, static_cast<int>(written), 1);
        if (written < 0) return false;
        data += static_cast<std::size_t>(written) * frame_size;
        frames -= static_cast<snd_pcm_uframes_t>(written);
    }
    return snd_pcm_drain(handle) == 0;
}

// ALSA prints its own errors to standard error; a missing or busy device is an
// ordinary answer here, reported by the result.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

bool AlsaAudioOutput::Play(std::string_view wave_image) {
    Pcm pcm;
    if (!ReadPcm(wave_image, &pcm)) return false;
    snd_lib_error_set_handler(IgnoreAlsaError);
    snd_pcm_t* handle = nullptr;
    if (snd_pcm_open(&handle, device_.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        return false;
    }
    constexpr unsigned kLatencyMicroseconds = 100000;
    const bool ok = snd_pcm_nonblock(handle, 0) == 0 &&
                    snd_pcm_set_params(handle, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                                       pcm.channels, pcm.rate, 1, kLatencyMicroseconds) == 0 &&
                    WriteAll(handle, pcm);
    snd_pcm_close(handle);
    return ok;
}

}  // namespace vendarion
