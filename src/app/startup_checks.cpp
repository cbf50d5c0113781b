#include "app/startup_checks.h"

#include <charconv>

#include "app/platform.h"
#include "app/startup_message.h"
#include "base/messages.h"
#include "base/setting_names.h"

namespace vendarion {
namespace {

constexpr int kSystemTooOldText = 1334;
constexpr int kToolkitMissingText = 1319;
constexpr int kToolkitOldText = 1318;

// Reads "major.minor" at the start of version; false when either is missing.
bool ParseVersion(std::string_view version, int* major, int* minor) {
    const char* end = version.data() + version.size();
    auto [after_major, major_error] = std::from_chars(version.data(), end, *major);
    if (major_error != std::errc() || after_major == end || *after_major != '.') return false;
    auto [after_minor, minor_error] = std::from_chars(after_major + 1, end, *minor);
    return minor_error == std::errc() && *major >= 0 && *minor >= 0;
}

}  // namespace

bool CheckOperatingSystem(Platform& platform, Settings& settings, Messages& messages) {
    if (!platform.ProgramPath().empty() || Read(settings, setting::kNoWin32sCheck) != 0) {
        return true;
    }
    ShowStartupMessage(messages, kSystemTooOldText, MessageIcon::kStop);
    return false;
}

bool CheckToolkitVersion(std::string_view version, int required, Messages& messages) {
    int major = 0;
    int minor = 0;
    if (!ParseVersion(version, &major, &minor)) {
        ShowStartupMessage(messages, kToolkitMissingText, MessageIcon::kStop);
        return false;
    }
    if (major * 10000 + minor >= required) return true;
    return AskStartupQuestion(messages, kToolkitOldText, MessageIcon::kStop) == MessageAnswer::kOk;
}

StartupSwitches ParseSwitches(std::string_view command_line) {
    StartupSwitches switches;
    switches.use_program_folder = command_line.find("mf-use-cwd") != std::string_view::npos;
    switches.ignore_version = command_line.find("mf-ignore-version") != std::string_view::npos;
    return switches;
}

}  // namespace vendarion
