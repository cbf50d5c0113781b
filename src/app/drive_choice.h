// The choice of an optical medium when an archive is missing from the CD drive it
// was expected on: one item per mounted optical medium (its mount point), the medium
// of the failed path chosen first. The dialog that shows it is the DriveChooser's.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vendarion {

class Platform;

class DriveChoice {
public:
    // file_name is the archive's file name ("Index.mf"); failed_path the path where
    // it was not found.
    DriveChoice(Platform& platform, std::string file_name, const std::string& failed_path);

    // The prompt (message 1324 with the file name), Windows-1252.
    std::string Prompt() const;
    // The mount points, in mount order.
    const std::vector<std::string>& Items() const { return items_; }
    // The item chosen at first: the medium holding the failed path, else the first
    // item; -1 when there are none.
    int Preselected() const { return preselected_; }
    // The archive's path in the product folder of the item's medium when the file is
    // there; nothing otherwise (the dialog then beeps and stays open).
    std::optional<std::string> Accept(int item) const;

private:
    Platform& platform_;
    std::string file_name_;
    std::vector<std::string> items_;
    int preselected_ = -1;
};

// Shows a DriveChoice to the user.
class DriveChooser {
public:
    virtual ~DriveChooser() = default;
    // The path that Accept gave for the item the user confirmed; nothing when the
    // user cancelled.
    virtual std::optional<std::string> Choose(const DriveChoice& choice) = 0;
};

// The product folder on the CD.
inline constexpr char kCdProductFolder[] = "Vendario";

}  // namespace vendarion
