#include "app/archive_locator.h"

#include "app/drive_choice.h"
#include "app/platform.h"
#include "app/startup_message.h"

namespace vendarion {
namespace {

constexpr int kRemoteDriveText = 1335;

}  // namespace

std::string FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::optional<std::string> LocateArchive(StartupServices& services, const TextSetting& setting,
                                         std::string_view file_name, bool use_program_folder,
                                         std::string_view program_path) {
    std::string path = Read(services.settings, setting);
    if (use_program_folder || path.empty()) path = FolderOf(program_path) + std::string(file_name);
    const DriveType drive = services.platform.DriveTypeOf(path);
    if (drive == DriveType::kRemote) {
        ShowStartupMessage(services.messages, kRemoteDriveText, MessageIcon::kStop);
        return std::nullopt;
    }
    if (drive == DriveType::kOptical && !services.platform.FileExists(path)) {
        const DriveChoice choice(services.platform, std::string(file_name), path);
        std::optional<std::string> chosen = services.drive_chooser.Choose(choice);
        if (!chosen) return std::nullopt;
        path = std::move(*chosen);
        (void)Write(services.settings, setting, path);
    }
    return path;
}

}  // namespace vendarion
