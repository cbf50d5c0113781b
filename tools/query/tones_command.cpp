// vendarion-query tones: the DTMF tones of a number, played or written to a file.
#include <memory>
#include <string>

#include "base/cp1252.h"
#include "commands.h"
#include "dial/alsa_audio_output.h"
#include "dial/tone_dialer.h"
#include "dial/wave_file_output.h"

namespace vendarion::query_tool {

int RunTones(const Arguments& args) {
    if (args.size() < 2) return UsageError("tones needs a number and --wav FILE or --play");
    std::unique_ptr<AudioOutput> audio;
    if (args.size() == 3 && args[1] == "--wav") {
        audio = std::make_unique<WaveFileOutput>(std::string(args[2]));
    } else if (args.size() == 2 && args[1] == "--play") {
        audio = std::make_unique<AlsaAudioOutput>();
    } else {
        return UsageError("tones takes a number and --wav FILE or --play");
    }
    if (ToneDialer(*audio).Dial(Utf8ToCp1252(args[0])) != 0) {
        return Failure(args[1] == "--play" ? "the sound device is busy or missing"
                                           : "cannot write " + std::string(args[2]));
    }
    return 0;
}

}  // namespace vendarion::query_tool
