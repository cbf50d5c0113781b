// The desktop's file dialogs as a service: the program asks the toolkit, tests answer
// from a preset and record the questions. User-interface thread only.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vendarion {

// What the save dialog shows: its title, the suggested path (its folder is where the
// dialog opens) and the file types in the toolkit's filter form ("Name (*.csv);;...").
struct SaveFileQuestion {
    QString title;
    QString suggested;
    QString filter;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Asks modally over parent for the name of a file to write; an existing file is
    // replaced only after the user confirmed it. Nothing when no file was chosen.
    virtual std::optional<QString> SaveFileName(QWidget* parent,
                                                const SaveFileQuestion& question) = 0;
};

}  // namespace vendarion
