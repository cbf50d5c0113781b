// "Wählen": dials the number of the selected entry. The number is composed with the
// dial options; the carrier notice may come first, and the number is confirmed
// unless the options say otherwise. Tone dialling plays the tones through the audio
// output under the wait cursor, which returns when they have been played; dialling
// through a line hands the number to the line dialler, whose failures show nothing.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

namespace vendarion {

class AudioOutput;
class Messages;
class Settings;
class TapiDialer;

class DialCommand {
public:
    // Shows the carrier notice and returns its result code: 2 when the user
    // cancelled, 7 when the notice is not to be shown again, else 1.
    using CarrierNotice = std::function<int()>;

    DialCommand(Settings& settings, Messages& messages, AudioOutput& audio, TapiDialer& lines,
                CarrierNotice notice)
        : settings_(settings),
          messages_(messages),
          audio_(audio),
          lines_(lines),
          notice_(std::move(notice)) {}

    // Dials an entry's area code and number (its cells, blanks trimmed here).
    void Run(std::string_view area_code, std::string_view number);

private:
    void Tell(int id);

    Settings& settings_;
    Messages& messages_;
    AudioOutput& audio_;
    TapiDialer& lines_;
    CarrierNotice notice_;
};

}  // namespace vendarion
