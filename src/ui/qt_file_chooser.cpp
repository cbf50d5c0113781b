#include "ui/qt_file_chooser.h"

#include <QFileDialog>

namespace vendarion {

std::optional<QString> QtFileChooser::SaveFileName(QWidget* parent,
                                                   const SaveFileQuestion& question) {
    // The dialog asks before an existing file is replaced.
    const QString chosen =
        QFileDialog::getSaveFileName(parent, question.title, question.suggested, question.filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

}  // namespace vendarion
