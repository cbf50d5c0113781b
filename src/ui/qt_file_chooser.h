// The desktop's own save dialog.
#pragma once

#include "ui/file_chooser.h"

namespace vendarion {

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> SaveFileName(QWidget* parent, const SaveFileQuestion& question) override;
};

}  // namespace vendarion
