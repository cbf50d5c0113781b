#include "app/drive_choice.h"

#include "app/mount_table.h"
#include "app/platform.h"
#include "resources/string_table.h"

namespace vendarion {
namespace {

constexpr int kInsertCdText = 1324;

}  // namespace

DriveChoice::DriveChoice(Platform& platform, std::string file_name, const std::string& failed_path)
    : platform_(platform), file_name_(std::move(file_name)), items_(platform.OpticalMountPoints()) {
    if (items_.empty()) return;
    preselected_ = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (PathIsUnder(items_[i], failed_path)) preselected_ = static_cast<int>(i);
    }
}

std::string DriveChoice::Prompt() const { return FormatString(kInsertCdText, file_name_); }

std::optional<std::string> DriveChoice::Accept(int item) const {
    if (item < 0 || item >= static_cast<int>(items_.size())) return std::nullopt;
    std::string path = items_[item];
    if (path.empty() || path.back() != '/') path += '/';
    path += std::string(kCdProductFolder) + "/" + file_name_;
    if (!platform_.FileExists(path)) return std::nullopt;
    return path;
}

}  // namespace vendarion
