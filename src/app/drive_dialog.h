// The dialog that asks for the CD drive holding a missing archive: the prompt, a
// drop-down list of the mounted optical media, OK and "Abbrechen". OK on a medium
// without the file beeps and keeps the dialog open.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "app/drive_choice.h"

class QComboBox;

namespace vendarion {

class DriveDialog final : public QDialog {
    Q_OBJECT

public:
    explicit DriveDialog(const DriveChoice& choice, QWidget* parent = nullptr);

    const std::optional<std::string>& Result() const { return result_; }
    QComboBox* Drives() const { return drives_; }

private:
    void OnOk();

    const DriveChoice& choice_;
    QComboBox* drives_;
    std::optional<std::string> result_;
};

class QtDriveChooser final : public DriveChooser {
public:
    std::optional<std::string> Choose(const DriveChoice& choice) override;
};

}  // namespace vendarion
