// The one table of every setting the program uses: name, type and default. Callers
// read and write through these constants so that a value's name and default are
// written down once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace vendarion {

struct TextSetting {
    std::string_view name;
    std::string_view default_value;
};

struct NumberSetting {
    std::string_view name;
    std::int32_t default_value;
};

namespace setting {

inline constexpr NumberSetting kNoWin32sCheck{"NoWin32sCheck", 0};
inline constexpr TextSetting kHardDiskAppPath{"HardDiskAppPath", ""};
inline constexpr TextSetting kIndexFilename{"IndexFilename", ""};
inline constexpr TextSetting kCodeFilename{"CodeFilename", ""};
inline constexpr TextSetting kListFilename{"ListFilename", ""};
inline constexpr TextSetting kDataFilename{"DataFilename", ""};
inline constexpr TextSetting kDialVorwahl{"DialVorwahl", ""};
inline constexpr TextSetting kDialAmt{"DialAmt", ""};
inline constexpr NumberSetting kDialUsingTAPI{"DialUsingTAPI", 0};
inline constexpr TextSetting kTAPIModem{"TAPIModem", "[none]"};
inline constexpr NumberSetting kTAPIDeviceId{"TAPIDeviceId", 0};
// The location of the dialling lines: its country code and city code.
inline constexpr NumberSetting kLineCountry{"LineCountry", 49};
inline constexpr TextSetting kLineCityCode{"LineCityCode", ""};
inline constexpr NumberSetting kDialMorvanta{"DialMorvanta", 1};
inline constexpr NumberSetting kMorvantaNotice{"MorvantaNotice", 1};
inline constexpr NumberSetting kConfirmDial{"ConfirmDial", 1};
inline constexpr NumberSetting kTipsOnStartup{"TipsOnStartup", 1};
inline constexpr NumberSetting kTATIndex{"TATIndex", 0};
inline constexpr NumberSetting kSingleAnimation{"SingleAnimation", 0};
inline constexpr NumberSetting kActivityDisplay{"ActivityDisplay", 1};
inline constexpr NumberSetting kExportType{"ExportType", 0};
inline constexpr NumberSetting kExportClipboard{"ExportClipboard", 0};
inline constexpr TextSetting kExportFilename{"ExportFilename", ""};
inline constexpr TextSetting kInternetServer{"InternetServer", ""};
inline constexpr TextSetting kInternetURL{"InternetURL", ""};
inline constexpr NumberSetting kInternetPort{"InternetPort", 0};
inline constexpr NumberSetting kOperateWithoutCGI{"OperateWithoutCGI", 0};
inline constexpr NumberSetting kInternetRecPerPage{"InternetRecPerPage", 50};
// Seconds without progress after which an Internet query gives up (code 10060).
inline constexpr NumberSetting kInternetTimeout{"InternetTimeout", 30};
inline constexpr TextSetting kPos{"Pos", ""};
inline constexpr NumberSetting kZoomed{"Zoomed", 0};
inline constexpr NumberSetting kToolbar{"Toolbar", 1};
inline constexpr NumberSetting kInformation{"Information", 1};
inline constexpr NumberSetting kInputFlags{"InputFlags", 63};
inline constexpr NumberSetting kFullRowSelect{"FullRowSelect", 1};

// Column widths of a list type live under the list type's key, default empty.
inline TextSetting ColumnWidths(std::string_view list_key) { return {list_key, ""}; }

}  // namespace setting

inline std::string Read(Settings& settings, const TextSetting& value) {
    return settings.ReadText(value.name, value.default_value);
}
inline std::int32_t Read(Settings& settings, const NumberSetting& value) {
    return settings.ReadNumber(value.name, value.default_value);
}
inline bool Write(Settings& settings, const TextSetting& value, std::string_view text) {
    return settings.WriteText(value.name, text);
}
inline bool Write(Settings& settings, const NumberSetting& value, std::int32_t number) {
    return settings.WriteNumber(value.name, number);
}

}  // namespace vendarion
