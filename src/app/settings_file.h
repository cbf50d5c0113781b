// The settings store of the program: a text file in the form of a registry export,
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Morvanta\Vendarion]
//   "DialVorwahl"="030"
//   "DialUsingTAPI"=dword:00000001
//
// UTF-8 on disk (texts are Windows-1252 inside the program; "\\" and "\"" escape a
// backslash and a quote); a UTF-16 file with a byte order mark is read too, and
// written back as UTF-16. Value names ignore letter case. The file stands for the
// registry key: when it is missing every read gives its default and every write
// fails; the program never creates it (the set-up step does, as an installer would).
// Every operation reads the file afresh, so hand edits take effect at once; every
// write re-reads the file under an advisory lock (flock on its folder) and replaces it whole
// through a temporary file, changing its one value and keeping every other line, so
// that writers in several processes lose none of each other's values. A file that is
// a symbolic link stays one. User-interface thread only.
#pragma once

#include <string>

#include "base/settings.h"

namespace vendarion {

class SettingsFile final : public Settings {
public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    std::string ReadText(std::string_view name, std::string_view default_text) override;
    bool WriteText(std::string_view name, std::string_view text) override;
    std::int32_t ReadNumber(std::string_view name, std::int32_t default_value) override;
    bool WriteNumber(std::string_view name, std::int32_t number) override;

    const std::string& path() const { return path_; }

private:
    bool WriteLine(std::string_view name, const std::string& line);

    std::string path_;
};

// $VENDARION_SETTINGS, else $XDG_CONFIG_HOME/Morvanta/Vendarion.reg, else
// ~/.config/Morvanta/Vendarion.reg.
std::string DefaultSettingsPath();

// Creates an empty settings file (with its folders) unless one exists: the set-up
// step. True when the file exists afterwards.
[[nodiscard]] bool CreateSettingsFile(const std::string& path);

}  // namespace vendarion
